#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <vector>

class SubcommandLine;
struct DbAdminOptions;

// The one description of each subcommand: its arguments and options (from which its synopsis
// in --help, the manual page made from --help and the shell's completion all come), what it
// does, how many arguments it takes, which of them a failure names, and the work.
struct TSubcommand {
    const char* name;
    const char* arguments;
    QList<QCommandLineOption> options;
    int least;
    int most;
    int named;
    const char* description;
    int (*run)(const SubcommandLine&, const DbAdminOptions&);
};

std::vector<TSubcommand> Subcommands(const DbAdminOptions& options);

// "import ALIAS FILE [--dry-run] [--wait SECONDS] ...", wrapped as --help shows it.
QString Synopsis(const TSubcommand& command);
// The whole of --help.
QString UsageText(const DbAdminOptions& options);
