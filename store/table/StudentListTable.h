#pragma once

#include <string>
#include <string_view>
#include <vector>

struct TStudentRecord;

// The StudentList table, described once: its columns, the statements that the window, the batch
// command, the administration command, the tests and the benchmarks send to it, its list order
// and its indexes. On SQLite and PostgreSQL alike.

inline constexpr const char* kStudentListTable = "studentlist";
// Its columns, as results name them (a field is found by name without regard to case).
inline constexpr const char* kPsidColumn = "psid";
inline constexpr const char* kPsidSequenceColumn = "psidsequence";
inline constexpr const char* kStudentIdColumn = "studentid";
inline constexpr const char* kFirstNameColumn = "fname";
inline constexpr const char* kLastNameColumn = "lname";

inline constexpr const char* kCreateStudentListTable =
    "create table if not exists studentlist (\n"
    "  psid varchar(4),\n"
    "  psidsequence integer,\n"
    "  studentid text,\n"
    "  fname text,\n"
    "  lname text)";

// The first lines of every insert: the table and its five columns in the order they are bound.
inline constexpr const char* kStudentListInsertHead[] = {
    "insert into studentlist", "(psid,psidsequence,studentid, fname, lname)"};

// The posting's statements, line by line as the window sends them: the largest number stored
// for a key (field "PSIDSequence"), and the insert of one row.
std::vector<std::string> MaximumSequenceLines();
std::vector<std::string> InsertStudentLines();

// The columns that order the list, all ascending.
inline constexpr const char* kStudentListOrder[] = {"psid", "psidsequence", "lname", "fname"};
// The list order as an order-by clause's columns: "psid, psidsequence, lname, fname".
std::string StudentListOrderBy();
// The student list in its order, as the window shows it and the export writes it, line by line.
std::vector<std::string> StudentListQueryLines();

// The insert's head on one line, for statements that add their own values or select.
std::string StudentListInsertHead();
// The insert of one row with its five values as positional parameters.
std::string InsertStudentRowStatement();
// The stored rows in COPY's text format, in the insert's column order, from the client.
std::string CopyStudentRowsInStatement();

// The largest number stored for each key, as field "psid" and field "PSIDSequence".
std::vector<std::string> StoredMaximaLines();

// The identification number, first name and last name of every student, in the list's order;
// on SQLite in the order of the list's windows (the row number breaking ties).
std::string StudentFieldsStatement();
std::string SqliteStudentFieldsStatement();

// Keeps the sequence numbers of a key unique, so that two offices posting at the same moment
// cannot give two students one number; it also lets the posting's maximum query find a key
// without a scan.
inline constexpr const char* kCreateStudentListKey =
    "create unique index if not exists studentlist_key on studentlist (psid, psidsequence)";

// Removes one record a posting stored, matched on all five columns as they were inserted (an
// empty text may have been stored as null); the key's index finds it. Its parameters, by
// position: psid twice, psidsequence, studentid, fname, lname.
std::vector<std::string> DeletePostedRowLines();
// How many records match one a posting stored, in the same words: the field kPostedRowCountField.
inline constexpr const char* kPostedRowCountField = "matching";
std::vector<std::string> CountPostedRowLines();
// The record stored under a key, to tell a changed record from one removed: field "studentid".
std::vector<std::string> StoredUnderKeyLines();
// How many of a posting's records are still stored as it stored them, in one statement: the
// field kPostedRowCountField; its one parameter, :records, the records as a JSON array of
// five-element arrays (PostedRowsParameter).
std::vector<std::string> IntactPostedRowsLines(bool sqlite);
std::string PostedRowsParameter(const std::vector<TStudentRecord>& records);

// Finds the students a list names by their IDNum without reading the table through.
inline constexpr const char* kCreateStudentIdIndex =
    "create index if not exists studentlist_studentid on studentlist (studentid)";

// The stored students whose IDNum is among those given, in one statement over the IDNum index:
// field "studentid", "fname" and "lname"; its one parameter, :ids, the IDNums as a JSON array
// (StudentIdsParameter). SQLite and a server read the array each in their own words.
std::vector<std::string> StoredStudentsByIdLines(bool sqlite);
std::string StudentIdsParameter(const std::vector<std::string_view>& ids);
// Every stored student's IDNum and names, with the fields above; and how many are stored, as
// the field kStudentCountField.
inline constexpr const char* kStudentCountField = "students";
std::string StoredStudentsStatement();
std::string CountStudentsStatement();

// The plain index of tables made before the key was unique; the unique one replaces it.
inline constexpr const char* kDropPlainStudentListIndex = "drop index if exists studentlist_psid";

// The numbers that stand in the way of the unique key: each taken more than once.
inline constexpr const char* kFindRepeatedSequences =
    "select psid, psidsequence, count(*) from studentlist\n"
    "group by psid, psidsequence having count(*) > 1\n"
    "order by psid, psidsequence";

// A SQLite database keeps its journal ahead of the file: each insert then commits with one
// flush to disk instead of several, and stays as durable.
inline constexpr const char* kSqliteJournalStatement = "pragma journal_mode = wal";
// A server's notices of what exists already ("skipping") are no news, for one transaction.
inline constexpr const char* kServerQuietStatement = "set local client_min_messages = warning";
