#pragma once

// The StudentList table as the administration command creates it, on SQLite and PostgreSQL
// alike. The index lets the posting's per-row maximum query find a key without a scan.
inline constexpr const char* kCreateStudentListStatements[] = {
    "create table if not exists studentlist (\n"
    "  psid varchar(4),\n"
    "  psidsequence integer,\n"
    "  studentid text,\n"
    "  fname text,\n"
    "  lname text)",
    "create index if not exists studentlist_psid on studentlist (psid, psidsequence)",
};

// A SQLite database keeps its journal ahead of the file: each insert then commits with one
// flush to disk instead of several, and stays as durable.
inline constexpr const char* kSqliteJournalStatement = "pragma journal_mode = wal";
