#pragma once

#include <QSqlDatabase>
#include <QString>
#include <vector>

// A sequence number taken by more than one record of its key.
struct TRepeatedSequence {
    QString psid;
    QString sequence;
    QString records;
};

// Sets up StudentList on the connection where it is missing: the table, and its key that keeps
// the sequence numbers unique within a name key (replacing the plain index of older tables); a
// SQLite database keeps its journal ahead of the file. Answers the numbers taken more than once
// that keep an older table's key from being made unique, and then changes nothing; raises the
// engine's error for any other refusal.
std::vector<TRepeatedSequence> SetUpStudentListTable(const QSqlDatabase& db);
