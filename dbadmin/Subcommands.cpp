#include "dbadmin/Subcommands.h"

#include <QCoreApplication>
#include <QStringList>

#include "dbadmin/BatchCommands.h"
#include "dbadmin/CommandLine.h"
#include "dbadmin/SetupCommands.h"
#include "import/PostingHistory.h"
#include "store/aliases/AliasFile.h"

namespace {

constexpr int kWidth = 96;

const char* const kNotes = QT_TRANSLATE_NOOP(
    "Usage",
    R"(  --wait SECONDS (default 120) is how long a job waits for another's write lock on a SQLite
  database before it fails. For an alias that asks for a login, the password is asked on the
  terminal and stored nowhere; --password-file FILE reads it from FILE's first line instead
  (refused where others may read FILE), and without a terminal, or with nothing typed, libpq
  finds it in ~/.pgpass (or the file PGPASSFILE names). --password PW works too, but other
  users of the computer can see a command line: prefer the others. When the server cannot be
  reached, libpq's reason is told. -- ends the options, for a FILE whose name begins with -.
  Exit codes: 0 done, 1 failed (nothing stored, no file changed), 2 usage (nothing done).
)");

QString Said(const char* source)
{
    return QCoreApplication::translate("Usage", source);
}

QString OptionText(const QCommandLineOption& option)
{
    const QString name = QStringLiteral("--") + option.names().first();
    return option.valueName().isEmpty() ? name : name + QLatin1Char(' ') + option.valueName();
}

}  // namespace

std::vector<TSubcommand> Subcommands(const DbAdminOptions& o)
{
    return {
        {"setup-sqlite",
         "ALIAS [FILE]",
         {},
         1,
         2,
         0,
         QT_TRANSLATE_NOOP("Usage",
                           "Creates the SQLite database file (by default %1) and the StudentList "
                           "table where they "
                           "are missing, then defines ALIAS on the file unless ALIAS is already "
                           "defined. The file "
                           "and its folder are readable by you alone, and so is the aliases file."),
         SetupSqlite},
        {"setup-postgres", "ALIAS",
         QList<QCommandLineOption>{o.server, o.port, o.database, o.user, o.password,
                                   o.passwordFile} +
             o.libpq,
         1, 1, 0,
         QT_TRANSLATE_NOOP(
             "Usage",
             "Creates the StudentList table in a PostgreSQL database when it is missing, then "
             "defines ALIAS on it (replacing an earlier definition of any letter case); a setup "
             "that fails defines nothing. It needs --server and --database, or --service. With "
             "--user the program asks for a login; the password is used for creating the table now "
             "and is never stored. The ssl options are libpq's own settings of the same names, "
             "kept "
             "in the alias: --sslmode verify-full with --sslrootcert naming the district's "
             "certificate authority checks that the server is the district's, and refuses to talk "
             "in plain text. --service NAME takes the server's settings from the entry NAME of "
             "libpq's service file (~/.pg_service.conf, or the file PGSERVICEFILE names).\n"
             "To point the student list tool at a school server:\n"
             "  cardovane-dbadmin setup-postgres DVK --server db.school.lan --database cardovane "
             "\\\n"
             "      --user office --sslmode verify-full --sslrootcert /etc/ssl/district-ca.crt"),
         SetupPostgres},
        {"create-table",
         "ALIAS",
         {o.user, o.password, o.passwordFile},
         1,
         1,
         0,
         QT_TRANSLATE_NOOP(
             "Usage",
             "Creates the StudentList table in ALIAS's database when missing, and makes its "
             "sequence numbers unique within each name key where they are not yet (naming any "
             "number that is taken twice, which must be resolved first)."),
         CreateTableCommand},
        {"protect-table",
         "ALIAS TABLE PASSWORD",
         {},
         3,
         3,
         0,
         QT_TRANSLATE_NOOP("Usage", "Makes statements on TABLE ask for PASSWORD (once a run)."),
         ProtectTable},
        {"import",
         "ALIAS FILE",
         {o.dryRun, o.check, o.fix, o.skipStored, o.receipt, o.wait, o.user, o.password,
          o.passwordFile},
         2,
         2,
         1,
         QT_TRANSLATE_NOOP(
             "Usage",
             "Reads FILE (- is standard input) as \"Import List\" reads it and stores every row in "
             "StudentList with the name key and sequence number that \"Add List To Database\" "
             "would "
             "give it, in one transaction: all of it or, on any failure, none (the failing row is "
             "named). A file that is no comma-separated text (a spreadsheet workbook, UTF-16 text, "
             "anything with a NUL byte) is refused. --dry-run stores nothing and prints each row's "
             "line, key, sequence number and fields, tab-separated; on standard error, each line "
             "that needs a look (a heading, another separator, a missing or repeated IDNum, an "
             "IDNum already stored, ...) as FILE:LINE: what, in the window's words, then how many. "
             "--check tells those lines the same way and, if there is any, stores nothing (exit "
             "status 1). --fix first mends what the review grid's fixes mend, in the order the "
             "window offers them (the columns taken from a heading row, lines split at semicolons "
             "or tabs, quoted fields read, blanks trimmed, empty, heading and repeated lines left "
             "out), and tells what each did; a line no fix can be sure of stays as it is. With "
             "--dry-run it prints the rows as they would be stored, with --check it refuses only "
             "what no fix mends. --skip-stored leaves out the lines whose IDNum was stored before "
             "the "
             "job "
             "began, and says how many. --receipt FILE writes, once the import has committed, what "
             "it stored (a header line, then a record a line with all five columns), replacing "
             "FILE whole; the file is readable by you alone. undo takes it back."),
         ImportCommand},
        {"undo",
         "ALIAS RECEIPT|--posting N",
         {o.posting, o.dryRun, o.wait, o.user, o.password, o.passwordFile},
         1,
         2,
         1,
         QT_TRANSLATE_NOOP(
             "Usage",
             "Removes exactly the records that the import which wrote RECEIPT stored, each matched "
             "on all five columns, in one transaction: all of them or, on any failure, none. A "
             "record changed or removed since is left, and told as RECEIPT:LINE with why. Records "
             "others stored are never touched. --posting N takes back the posting of that number "
             "in your history of postings instead (see postings), once. --dry-run removes nothing "
             "and tells what would be removed and left. A file that is no receipt is refused with "
             "its line."),
         UndoCommand},
        {"postings",
         "[ALIAS]",
         {o.all},
         0,
         1,
         0,
         QT_TRANSLATE_NOOP(
             "Usage",
             "Lists your history of postings into ALIAS (--all: into every alias), oldest first, "
             "one line each, tab-separated: its number, when (UTC), the alias, how many students "
             "it stored, the list file, and when it was undone. Every posting of the window and "
             "every import of a job is kept there for 180 days, in %2, readable by you alone. An "
             "entry that cannot be read is told on standard error by its line, and the others are "
             "listed."),
         PostingsCommand},
        {"export",
         "ALIAS FILE",
         {o.wait, o.user, o.password, o.passwordFile},
         2,
         2,
         1,
         QT_TRANSLATE_NOOP(
             "Usage",
             "Writes the student list to FILE exactly as \"Export the Database to the CSV File\" "
             "does; FILE - is standard output. FILE is replaced only once the whole list is "
             "written: on any failure it is left as it was. The database file itself is refused "
             "as FILE."),
         ExportCommand},
    };
}

QString Synopsis(const TSubcommand& command)
{
    QString text = QString::fromLatin1(command.name) + QLatin1Char(' ') +
                   QString::fromLatin1(command.arguments);
    const qsizetype indent = qsizetype(std::char_traits<char>::length(command.name)) + 1;
    qsizetype lineStart = 0;
    for (const QCommandLineOption& option : command.options) {
        const QString word = QLatin1Char('[') + OptionText(option) + QLatin1Char(']');
        if (text.size() - lineStart + 1 + word.size() > kWidth - 2) {
            text += QLatin1Char('\n');
            lineStart = text.size();
            text += QString(indent + 2, QLatin1Char(' '));
        } else {
            text += QLatin1Char(' ');
        }
        text += word;
    }
    return text;
}

namespace {

// The text's words in lines of at most the width, each after the indent.
QString Wrapped(const QString& text, int indent)
{
    QString wrapped;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        // A line that begins with blanks is an example, kept as it is.
        if (paragraph.startsWith(QLatin1Char(' '))) {
            wrapped += QString(indent, QLatin1Char(' ')) + paragraph + QLatin1Char('\n');
            continue;
        }
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && indent + line.size() + 1 + word.size() > kWidth) {
                wrapped += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        wrapped += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
    }
    return wrapped;
}

}  // namespace

QString UsageText(const DbAdminOptions& options)
{
    QString text =
        Said(QT_TRANSLATE_NOOP("Usage",
                               "Usage: cardovane-dbadmin COMMAND ...\n\nAliases live in %1.\n"))
            .arg(TAliasFile::DefaultPath());
    for (const TSubcommand& command : Subcommands(options)) {
        QString synopsis = Synopsis(command);
        synopsis.replace(QLatin1Char('\n'), QStringLiteral("\n  "));
        text += QStringLiteral("\n  ") + synopsis + QLatin1Char('\n') +
                Wrapped(Said(command.description)
                            .replace(QStringLiteral("%1"), DefaultDatabaseFile())
                            .replace(QStringLiteral("%2"), TPostingHistory::DefaultFolder()),
                        6);
    }
    text += QLatin1Char('\n') + Said(QT_TRANSLATE_NOOP("Usage", "Options:")) + QLatin1Char('\n');
    QList<QCommandLineOption> all =
        QList<QCommandLineOption>{options.server,     options.port,     options.database,
                                  options.user,       options.password, options.passwordFile,
                                  options.dryRun,     options.check,    options.fix,
                                  options.skipStored, options.receipt,  options.posting,
                                  options.all,        options.wait} +
        options.libpq;
    for (const QCommandLineOption& option : all) {
        text += QStringLiteral("  ") + OptionText(option) + QLatin1Char('\n') +
                Wrapped(option.description(), 6);
    }
    text += QLatin1Char('\n') + Said(kNotes) + QStringLiteral("\n  --help\n") +
            Wrapped(Said(QT_TRANSLATE_NOOP("Usage", "Shows this text.")), 6) +
            QStringLiteral("\n  --version\n") +
            Wrapped(Said(QT_TRANSLATE_NOOP("Usage", "Shows the version.")), 6);
    return text;
}
