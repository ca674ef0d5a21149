#pragma once

#include <QString>

class SubcommandLine;
struct DbAdminOptions;

// The batch commands of cardovane-dbadmin, for scheduled jobs: `import ALIAS FILE [--dry-run]`
// stores a student list as the window would post it, whole or not at all; `export ALIAS FILE`
// writes the list as the window exports it ("-" is standard output), replacing FILE only once
// the whole list is written. Both take --user and --password for an alias that asks for a
// login, and ask for the password on the terminal when it is not given, and --wait for another
// job's write lock on SQLite. Raise on failure; answer the exit code.
int ImportCommand(const SubcommandLine& line, const DbAdminOptions& options);
int ExportCommand(const SubcommandLine& line, const DbAdminOptions& options);
// `undo ALIAS RECEIPT [--dry-run]` takes back what an import with --receipt stored;
// `undo ALIAS --posting N` the posting of that number in the user's history.
int UndoCommand(const SubcommandLine& line, const DbAdminOptions& options);
// `postings [ALIAS] [--all]` lists the user's history of postings.
int PostingsCommand(const SubcommandLine& line, const DbAdminOptions& options);
