// The data set of a statement, as the grid and the export read it: its result held whole, or
// read a window at a time by the list's order with a bounded number of windows in memory.
#include "store/list/Query.h"

#include <algorithm>

#include "store/engine/BusyPointer.h"
#include "store/engine/Session.h"
#include "store/list/ServerList.h"
#include "store/list/SqliteList.h"
#include "store/list/WholeResult.h"

TQuery::TQuery(TSession& session, QObject* parent) : TDataSet(parent), session_(session)
{
}

TQuery::~TQuery()
{
    ReleaseWindows();
}

void TQuery::SetStatement(const QString& databaseName, std::vector<std::string> lines)
{
    Close();
    statement_.reset();
    databaseName_ = databaseName;
    lines_ = std::move(lines);
}

QString TQuery::Text() const
{
    return StatementText(lines_);
}

QString TQuery::DatabaseFile()
{
    session_.Start();
    const TDatabase* database = session_.FindDatabase(databaseName_);
    const TAlias* alias =
        session_.Engine().FindAlias(database ? database->AliasName() : databaseName_);
    return alias && alias->IsSqlite() ? alias->path : QString();
}

TDatabase& TQuery::AllowedDatabase()
{
    return ::AllowedDatabase(session_, databaseName_, Text());
}

void TQuery::Open()
{
    if (active_) {
        return;
    }
    TBusyPointer::WorkScope working(session_.BusyPointer());
    // Reading stores nothing: a connection lost under it is made again, and the list read anew.
    session_.OpenDatabase(databaseName_).AgainIfLost([this] {
        if (!statement_) {
            statement_.emplace(session_, databaseName_, lines_);
        }
        if (listOrder_) {
            OpenWindows();
        } else {
            OpenWhole();
        }
    });
    active_ = true;
    recNo_ = readRecords_ == 0 ? -1 : 0;
    eof_ = readRecords_ == 0;
    emit ActiveChanged();
}

void TQuery::OpenWhole()
{
    TRows rows = statement_->Read({}, kWindowRecords);
    fieldNames_ = rows.FieldNames();
    readRecords_ = rows.Count();
    std::vector<TRecordWindow> windows = std::move(rows).TakeWindows();
    source_ = WholeResult(fieldNames_);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        windows_.Keep(int(i), std::move(windows[i]), false, -1);
    }
    allRead_ = true;
}

void TQuery::OpenWindows()
{
    TDatabase& database = statement_->Database();
    database.Use();
    const QSqlDatabase db = database.Handle();
    std::unique_ptr<TWindowSource> source = database.Alias().IsSqlite()
                                                ? OpenSqliteList(db, *listOrder_)
                                                : OpenServerList(db, *listOrder_);
    TRecordWindow first = source->Read(db, 0);
    source_ = std::move(source);
    sourceGeneration_ = database.Generation();
    fieldNames_ = source_->FieldNames();
    readRecords_ = first.records;
    allRead_ = first.records < kWindowRecords;
    Keep(0, std::move(first));
}

void TQuery::ReleaseWindows() noexcept
{
    source_.reset();
    windows_.Clear();
    readRecords_ = 0;
    allRead_ = true;
}

void TQuery::Close()
{
    if (!active_) {
        return;
    }
    active_ = false;
    ReleaseWindows();
    fieldNames_.clear();
    recNo_ = -1;
    eof_ = true;
    emit ActiveChanged();
}

void TQuery::Keep(int window, TRecordWindow records)
{
    // The current record's window stays, for its fields are read by name.
    windows_.Keep(window, std::move(records), source_ && source_->Rereads(),
                  recNo_ < 0 ? -1 : recNo_ / kWindowRecords);
}

bool TQuery::Need(int record)
{
    const int window = record / kWindowRecords;
    if (windows_.Touch(window)) {
        return true;
    }
    TDatabase& database = statement_->Database();
    database.Use();
    if (database.Generation() != sourceGeneration_) {
        // The list's snapshot went with the lost connection: it shows the table anew.
        Close();
        Open();
        return false;
    }
    TBusyPointer::WorkScope working(session_.BusyPointer());
    try {
        Keep(window, source_->Read(database.Handle(), window));
    } catch (...) {
        // A list that cannot be read any further is closed, so that the grid does not ask
        // again at every painting; the next activation opens it anew.
        Close();
        throw;
    }
    return true;
}

void TQuery::ReadMore()
{
    if (!active_ || allRead_) {
        return;
    }
    const int window = readRecords_ / kWindowRecords;
    if (!Need(window * kWindowRecords)) {
        return;
    }
    const int records = windows_.Find(window)->records;
    readRecords_ += records;
    allRead_ = records < kWindowRecords;
    emit RecordsRead();
}

bool TQuery::Resident(int first, int last) const
{
    for (int window = std::max(first, 0) / kWindowRecords;
         window <= std::min(last, readRecords_ - 1) / kWindowRecords; ++window) {
        if (!windows_.Find(window)) {
            return false;
        }
    }
    return true;
}

void TQuery::MakeResident(int first, int last)
{
    if (!active_) {
        return;
    }
    for (int window = std::max(first, 0) / kWindowRecords;
         window <= std::min(last, readRecords_ - 1) / kWindowRecords; ++window) {
        if (!Need(window * kWindowRecords)) {
            return;
        }
    }
}

void TQuery::SetRecNo(int record)
{
    if (record != recNo_) {
        recNo_ = record;
        emit RecordMoved(recNo_);
    }
}

void TQuery::First()
{
    // A walk starts on the list as the connection now stands: where it was made again since
    // the opening, the list opens anew here, not midway through the walk.
    if (active_ && source_ && source_->Rereads()) {
        statement_->Database().Use();
        if (statement_->Database().Generation() != sourceGeneration_) {
            Close();
            Open();
        }
    }
    eof_ = readRecords_ == 0;
    if (readRecords_ > 0 && Need(0)) {
        SetRecNo(0);
    }
}

void TQuery::Next()
{
    if (recNo_ + 1 >= readRecords_) {
        ReadMore();
    }
    if (recNo_ + 1 < readRecords_) {
        if (Need(recNo_ + 1)) {
            SetRecNo(recNo_ + 1);
        }
    } else {
        eof_ = true;
    }
}

void TQuery::MoveTo(int record)
{
    if (!active_ || record < 0) {
        return;
    }
    while (record >= readRecords_ && !allRead_ && active_) {
        ReadMore();
    }
    if (readRecords_ == 0) {
        return;
    }
    record = std::min(record, readRecords_ - 1);
    if (Need(record)) {
        eof_ = false;
        SetRecNo(record);
    }
}

int TQuery::FieldNumber(const char* name) const
{
    return FieldIndex(fieldNames_, QString::fromUtf8(name), objectName());
}

long long TQuery::ReadThrough(const TRecordSink& record)
{
    Open();
    if (!source_ || !source_->Rereads()) {
        return -1;
    }
    First();
    TBusyPointer::WorkScope working(session_.BusyPointer());
    TDatabase& database = statement_->Database();
    long long handed = 0;
    bool refused = false;  // by the taker of the records, not the database
    const auto handOn = [&](const TRecordWindow& one) {
        try {
            record(one);
        } catch (...) {
            refused = true;
            throw;
        }
        ++handed;
    };
    long long records = -1;
    try {
        try {
            records = source_->ReadThrough(database.Handle(), handOn);
        } catch (const EDBEngineError&) {
            // Nothing handed on yet: a connection lost since the last action is made again
            // once, and the list read anew, as any reading of it does.
            if (handed > 0 || !database.Lost() || !database.Reconnect(TDatabase::kActionPatience)) {
                throw;
            }
            Close();
            Open();
            records = source_->ReadThrough(database.Handle(), handOn);
        }
    } catch (...) {
        if (refused) {
            StopAt(int(handed));
        } else {
            // As a window that cannot be read closes the list.
            Close();
        }
        throw;
    }
    if (records > readRecords_) {
        readRecords_ = int(records);
        emit RecordsRead();
    }
    allRead_ = true;
    if (records > 0) {
        MoveTo(int(records) - 1);
    }
    eof_ = true;
    return records;
}

void TQuery::StopAt(int record)
{
    const int passed = record / kWindowRecords * kWindowRecords;
    if (readRecords_ < passed) {
        readRecords_ = passed;
        allRead_ = false;
        emit RecordsRead();
    }
    MoveTo(record);
}

TField TQuery::FieldByName(const QString& name) const
{
    const int field = FieldIndex(fieldNames_, name, objectName());
    static const std::string kNoRecord;
    const TRecordWindow* window = recNo_ < 0 ? nullptr : windows_.Find(recNo_ / kWindowRecords);
    if (!window) {
        return TField(kNoRecord, true);
    }
    const std::size_t at =
        std::size_t(recNo_ % kWindowRecords) * std::size_t(FieldCount()) + std::size_t(field);
    return TField(window->texts[at], window->nulls[at] != 0);
}

QString TQuery::DisplayText(int record, int field) const
{
    if (record < 0 || record >= RecordCount() || field < 0 || field >= FieldCount()) {
        return {};
    }
    // Only what is in memory: the grid has the windows it shows read before it paints.
    const TRecordWindow* window = windows_.Find(record / kWindowRecords);
    if (!window) {
        return {};
    }
    return QString::fromStdString(
        window->texts[std::size_t(record % kWindowRecords) * std::size_t(FieldCount()) +
                      std::size_t(field)]);
}
