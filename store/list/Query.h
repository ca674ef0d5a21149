#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/engine/Database.h"
#include "store/engine/Session.h"
#include "store/engine/SqlStatement.h"
#include "store/list/WindowCache.h"
#include "store/list/WindowSource.h"
#include "toolkit/DataSet.h"

// The data set of a statement on a connection found by name, as the grid and the export read
// it. Opening it reads the result whole into memory, so that no read lock outlives the opening
// and keeps other connections from writing; a list whose order is given is instead read a
// window at a time as its records are needed, keeping a bounded number of windows in memory.
class TQuery : public TDataSet {
    Q_OBJECT
public:
    explicit TQuery(TSession& session, QObject* parent = nullptr);
    ~TQuery() override;

    // The statement the data set opens, its lines joined by CR LF, over the named connection.
    void SetStatement(const QString& databaseName, std::vector<std::string> lines);
    // Reads the result a window at a time: the statement is the whole table in this order.
    void ReadInWindows(TListOrder order) { listOrder_ = std::move(order); }
    const QString& DatabaseName() const { return databaseName_; }
    QString Text() const;
    // The database file of the alias the statement runs on; empty for a database server.
    QString DatabaseFile();
    // The database the statement runs on, connected, for a reading that goes around the
    // records: a protected table's password is asked for as opening asks.
    TDatabase& AllowedDatabase();

    void Open();
    void Close();
    void First();
    void Next();
    bool Eof() const { return eof_; }
    TField FieldByName(const QString& name) const;
    TField FieldByName(const char* name) const { return FieldByName(QString::fromUtf8(name)); }
    // Where the field of that name is in each record; raises as FieldByName does.
    int FieldNumber(const char* name) const;
    // Opens the data set, then hands every record on in its order, in one streamed read of the
    // list as it was opened, and leaves the data set past its last record, which is current;
    // where `record` raises, the record it was handed is current. A connection lost before the
    // first record is made again once. Answers the number of records; or -1, having read
    // nothing, where the result is not read in windows.
    long long ReadThrough(const TRecordSink& record);

    bool Active() const override { return active_; }
    int FieldCount() const override { return int(fieldNames_.size()); }
    QString FieldName(int field) const override { return fieldNames_.value(field); }
    int RecordCount() const override { return readRecords_; }
    bool AllRead() const override { return allRead_; }
    void ReadMore() override;
    bool Resident(int first, int last) const override;
    void MakeResident(int first, int last) override;
    QString DisplayText(int record, int field) const override;
    int RecNo() const override { return recNo_; }
    void MoveTo(int record) override;

private:
    void SetRecNo(int record);
    // Makes the record current after a reading through stopped there: every window before its
    // own was passed, so that its own is read next.
    void StopAt(int record);
    void OpenWindows();
    void OpenWhole();
    // The window holding the record, read again when it has left memory; false when the list
    // had to be opened anew because its connection was made again.
    bool Need(int record);
    void Keep(int window, TRecordWindow records);
    void ReleaseWindows() noexcept;

    TSession& session_;
    QString databaseName_;
    std::vector<std::string> lines_;
    std::optional<TSqlStatement> statement_;
    bool active_ = false;
    bool eof_ = true;
    int recNo_ = -1;
    QStringList fieldNames_;
    std::optional<TListOrder> listOrder_;
    std::unique_ptr<TWindowSource> source_;
    int sourceGeneration_ = 0;
    TWindowCache windows_;
    int readRecords_ = 0;
    bool allRead_ = true;
};
