#pragma once

#include <QString>

class SubcommandLine;
struct DbAdminOptions;

// The embedded database that setup-sqlite makes when no file is named.
QString DefaultDatabaseFile();

// The commands that set a database up and define its alias: each creates StudentList where it
// is missing (naming any sequence number taken twice, which must be resolved first) and defines
// the alias only once the table is ready. Raise on failure; answer the exit code.
int SetupSqlite(const SubcommandLine& line, const DbAdminOptions& options);
int SetupPostgres(const SubcommandLine& line, const DbAdminOptions& options);
int CreateTableCommand(const SubcommandLine& line, const DbAdminOptions& options);
int ProtectTable(const SubcommandLine& line, const DbAdminOptions& options);
