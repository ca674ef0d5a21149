#pragma once

#include <QStringList>

// The batch commands of cardovane-dbadmin, for scheduled jobs: `import ALIAS FILE [--dry-run]`
// stores a student list as the window would post it, whole or not at all; `export ALIAS FILE`
// writes the list as the window exports it ("-" is standard output). Both take --user and
// --password for an alias that asks for a login, and ask for the password on the terminal when
// it is not given. Raise on failure; answer the exit code.
int ImportCommand(const QStringList& args);
int ExportCommand(const QStringList& args);
