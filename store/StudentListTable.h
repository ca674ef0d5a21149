#pragma once

// The StudentList table as the administration command creates it, on SQLite and PostgreSQL
// alike.
inline constexpr const char* kCreateStudentListTable =
    "create table if not exists studentlist (\n"
    "  psid varchar(4),\n"
    "  psidsequence integer,\n"
    "  studentid text,\n"
    "  fname text,\n"
    "  lname text)";

// Keeps the sequence numbers of a key unique, so that two offices posting at the same moment
// cannot give two students one number; it also lets the posting's maximum query find a key
// without a scan.
inline constexpr const char* kCreateStudentListKey =
    "create unique index if not exists studentlist_key on studentlist (psid, psidsequence)";

// The plain index of tables made before the key was unique; the unique one replaces it.
inline constexpr const char* kDropPlainStudentListIndex = "drop index if exists studentlist_psid";
inline constexpr const char* kCreatePlainStudentListIndex =
    "create index if not exists studentlist_psid on studentlist (psid, psidsequence)";

// The numbers that stand in the way of the unique key: each taken more than once.
inline constexpr const char* kFindRepeatedSequences =
    "select psid, psidsequence, count(*) from studentlist\n"
    "group by psid, psidsequence having count(*) > 1\n"
    "order by psid, psidsequence";

// The student list in its list order, as the window shows it and the export writes it.
inline constexpr const char* kStudentListLines[] = {"select * from studentlist",
                                                    "order by psid, psidsequence, lname, fname"};
// The same order, for reading the list a window at a time.
inline constexpr const char* kStudentListTable = "studentlist";
inline constexpr const char* kStudentListOrder[] = {"psid", "psidsequence", "lname", "fname"};

inline constexpr const char* kCreateStudentListStatements[] = {kCreateStudentListTable,
                                                               kCreateStudentListKey};

// A SQLite database keeps its journal ahead of the file: each insert then commits with one
// flush to disk instead of several, and stays as durable.
inline constexpr const char* kSqliteJournalStatement = "pragma journal_mode = wal";
