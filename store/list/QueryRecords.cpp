// The result set that a query opens, as the grid and the export read it: held whole, or read a
// window at a time by the list's order with a bounded number of windows in memory.
#include <algorithm>

#include "store/engine/BusyPointer.h"
#include "store/engine/Session.h"
#include "store/list/Query.h"
#include "store/list/ServerList.h"
#include "store/list/SqliteList.h"
#include "store/list/WholeResult.h"

double TField::AsFloat() const
{
    if (isNull_) {
        return 0;
    }
    bool ok = false;
    const double number = QByteArray::fromStdString(*text_).toDouble(&ok);
    if (!ok) {
        throw EDatabaseError("'" + AsString() +
                             "' is not a valid floating point value for field '" +
                             name_->toStdString() + "'");
    }
    return number;
}

void TQuery::Open()
{
    if (active_) {
        return;
    }
    Ready();
    TBusyPointer::WorkScope working(session_.BusyPointer());
    if (listOrder_ && params_.empty()) {
        OpenWindows();
    } else {
        OpenWhole();
    }
    active_ = true;
    recNo_ = readRecords_ == 0 ? -1 : 0;
    eof_ = readRecords_ == 0;
    emit ActiveChanged();
}

void TQuery::OpenWhole()
{
    if (std::optional<EDBEngineError> failure = statement_->Run(params_)) {
        throw *failure;
    }
    if (!statement_->ReturnsRows()) {
        statement_->Finish();
        throw TEngine::Error(kErrNoResult, QString());
    }
    std::vector<TRecordWindow> windows;
    try {
        source_ = WholeResult(statement_->ReadAll(windows, kWindowRecords));
    } catch (...) {
        statement_->Finish();
        throw;
    }
    statement_->Finish();
    fieldNames_ = source_->FieldNames();
    for (std::size_t i = 0; i < windows.size(); ++i) {
        readRecords_ += windows[i].records;
        windows_.Keep(int(i), std::move(windows[i]), false, -1);
    }
    allRead_ = true;
}

void TQuery::OpenWindows()
{
    const QSqlDatabase db = database_->Handle();
    std::unique_ptr<TWindowSource> source = database_->Alias().driver == TAlias::Driver::SQLite
                                                ? OpenSqliteList(db, *listOrder_)
                                                : OpenServerList(db, *listOrder_);
    TRecordWindow first = source->Read(db, 0);
    source_ = std::move(source);
    sourceGeneration_ = database_->Generation();
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
    database_->Use();
    if (database_->Generation() != sourceGeneration_) {
        // The list's snapshot went with the lost connection: it shows the table anew.
        Close();
        Open();
        return false;
    }
    TBusyPointer::WorkScope working(session_.BusyPointer());
    try {
        Keep(window, source_->Read(database_->Handle(), window));
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
        database_->Use();
        if (database_->Generation() != sourceGeneration_) {
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

TField TQuery::FieldByName(const QString& name) const
{
    for (int i = 0; i < fieldNames_.size(); ++i) {
        if (fieldNames_[i].compare(name, Qt::CaseInsensitive) == 0) {
            static const std::string kNoRecord;
            const TRecordWindow* window =
                recNo_ < 0 ? nullptr : windows_.Find(recNo_ / kWindowRecords);
            if (!window) {
                return TField(fieldNames_[i], kNoRecord, true);
            }
            const std::size_t at =
                std::size_t(recNo_ % kWindowRecords) * std::size_t(FieldCount()) + std::size_t(i);
            return TField(fieldNames_[i], window->texts[at], window->nulls[at] != 0);
        }
    }
    const QString prefix = objectName().isEmpty() ? QString() : objectName() + QStringLiteral(": ");
    throw EDatabaseError((prefix + QStringLiteral("Field '%1' not found").arg(name)).toStdString());
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
