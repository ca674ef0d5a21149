// cardovane-dbadmin: defines database aliases for the student list tool and creates the
// StudentList table in an alias's database. The program itself creates no table.

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "dbadmin/CommandLine.h"
#include "dbadmin/DbAdminBatch.h"
#include "store/aliases/AliasFile.h"
#include "store/engine/Engine.h"
#include "store/table/StudentListTable.h"
#include "textio/ErrorText.h"
#include "textio/Exception.h"

namespace {

const char* const kUsage = R"(Usage: cardovane-dbadmin COMMAND ...

Aliases live in %1.

  setup-sqlite ALIAS [FILE]
      Creates the SQLite database file (by default %2) and the StudentList table where they are
      missing, then defines ALIAS on the file unless ALIAS is already defined. The file and its
      folder are readable by you alone, and so is the aliases file.

  setup-postgres ALIAS --server HOST [--port PORT] --database NAME [--user NAME]
                 [--sslmode MODE] [--sslrootcert FILE] [--sslcert FILE] [--sslkey FILE]
                 [--sslcrl FILE] [--service NAME] [--password-file FILE]
      Creates the StudentList table in a PostgreSQL database when it is missing, then defines
      ALIAS on it (replacing an earlier definition of any letter case); a setup that fails
      defines nothing. With --user the program asks for a login; the password is used for
      creating the table now and is never stored. The ssl options are libpq's own settings of
      the same names, kept in the alias: --sslmode verify-full with --sslrootcert naming the
      district's certificate authority checks that the server is the district's, and refuses
      to talk in plain text. --service NAME takes the server's settings from the entry NAME of
      libpq's service file (~/.pg_service.conf, or the file PGSERVICEFILE names); then --server
      and --database may be left out.
      To point the student list tool at a school server:
        cardovane-dbadmin setup-postgres DVK --server db.school.lan --database cardovane \
            --user office --sslmode verify-full --sslrootcert /etc/ssl/district-ca.crt

  create-table ALIAS [--user NAME] [--password-file FILE]
      Creates the StudentList table in ALIAS's database when missing, and makes its sequence
      numbers unique within each name key where they are not yet (naming any number that is
      taken twice, which must be resolved first).

  protect-table ALIAS TABLE PASSWORD
      Makes statements on TABLE ask for PASSWORD (once a run).

  import ALIAS FILE [--dry-run] [--wait SECONDS] [--user NAME] [--password-file FILE]
      Reads FILE (- is standard input) as "Import List" reads it and stores every row in
      StudentList with the name key and sequence number that "Add List To Database" would give
      it, in one transaction: all of it or, on any failure, none (the failing row is named). A
      file that is no comma-separated text (a spreadsheet workbook, UTF-16 text, anything with
      a NUL byte) is refused. --dry-run stores nothing and prints each row's line, key,
      sequence number and fields, tab-separated.

  export ALIAS FILE [--wait SECONDS] [--user NAME] [--password-file FILE]
      Writes the student list to FILE exactly as "Export the Database to the CSV File" does;
      FILE - is standard output. FILE is replaced only once the whole list is written: on any
      failure it is left as it was. The database file itself is refused as FILE.

  --wait SECONDS (default 120) is how long a job waits for another's write lock on a SQLite
  database before it fails. For an alias that asks for a login, the password is asked on the
  terminal and stored nowhere; --password-file FILE reads it from FILE's first line instead
  (refused where others may read FILE), and without a terminal, or with nothing typed, libpq
  finds it in ~/.pgpass (or the file PGPASSFILE names). --password PW works too, but other
  users of the computer can see a command line: prefer the others. When the server cannot be
  reached, libpq's reason is told. -- ends the options, for a FILE whose name begins with -.
  Exit codes: 0 done, 1 failed (nothing stored, no file changed), 2 usage (nothing done).

  --help
      Shows this text.

  --version
      Shows the version.
)";

QString DefaultDatabaseFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/cardovane/students.db");
}

int Fail(const QString& message)
{
    QTextStream(stderr) << "cardovane-dbadmin: " << message << '\n';
    return 1;
}

// The defined alias of that name, whatever its letter case.
std::optional<TAlias> DefinedAlias(const QString& name)
{
    const TAliasFile file;
    if (!file.Exists()) {
        return std::nullopt;
    }
    for (const TAlias& defined : file.Read()) {
        if (defined.name.compare(name, Qt::CaseInsensitive) == 0) {
            return defined;
        }
    }
    return std::nullopt;
}

// A table made before the sequence numbers were unique may hold a number twice; the unique key
// cannot be added until someone decides which student keeps it.
int ReportRepeatedSequences(QSqlQuery& query)
{
    const QString refusal = query.lastError().text();
    if (!query.exec(QString::fromUtf8(kFindRepeatedSequences)) || !query.next()) {
        return Fail(refusal);
    }
    QTextStream err(stderr);
    err << "cardovane-dbadmin: StudentList is kept as it is, but its sequence numbers cannot be "
           "made unique while these are taken more than once (name key, number, records):\n";
    do {
        err << "  " << query.value(0).toString() << ' ' << query.value(1).toString() << " ("
            << query.value(2).toString() << " records)\n";
    } while (query.next());
    err << "Give each of those students a number of their own (or remove a repeated record), "
           "then run create-table again.\n";
    return 1;
}

// Creates a missing database file, readable by its owner alone, in a folder of the owner's.
void CreateDatabaseFile(const QString& path)
{
    MakePrivateFolder(QFileInfo(path).path());
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        throw Exception("Cannot create " + path.toStdString() + ": " + std::strerror(errno));
    }
    ::close(fd);
}

// Creates StudentList and its key in the alias's database where they are missing; answers the
// exit code.
int CreateTable(const TAlias& alias, const QString& user, const QString& password)
{
    if (alias.driver == TAlias::Driver::SQLite && alias.fault.isEmpty()) {
        CreateDatabaseFile(alias.path);
    }
    TEngine engine;
    const QString connection = engine.ConnectTo(alias, user, password);
    int status = 0;
    {
        QSqlQuery query(QSqlDatabase::database(connection, false));
        const auto run = [&](const char* statement) {
            if (query.exec(QString::fromUtf8(statement))) {
                return true;
            }
            status = Fail(query.lastError().text());
            return false;
        };
        // The server's notices ("does not exist, skipping") are no news to the user.
        const bool quiet =
            alias.driver == TAlias::Driver::SQLite || run("set client_min_messages = warning");
        const bool made =
            quiet && (alias.driver != TAlias::Driver::SQLite || run(kSqliteJournalStatement)) &&
            run(kCreateStudentListTable);
        if (made && !query.exec(QString::fromUtf8(kCreateStudentListKey))) {
            status = ReportRepeatedSequences(query);
        } else if (made) {
            run(kDropPlainStudentListIndex);
        }
    }
    TEngine::Disconnect(connection);
    return status;
}

int Ready(const QString& alias)
{
    QTextStream(stdout) << "StudentList is ready in the database of " << alias << ".\n";
    return 0;
}

int SetupSqlite(const SubcommandLine& line, const DbAdminOptions&)
{
    const QString name = line.Positional()[0];
    std::optional<TAlias> alias = DefinedAlias(name);
    const bool defined = alias.has_value();
    if (!defined) {
        alias.emplace();
        alias->name = name;
        alias->driver = TAlias::Driver::SQLite;
        alias->path =
            QFileInfo(line.Positional().value(1, DefaultDatabaseFile())).absoluteFilePath();
    }
    if (const int status = CreateTable(*alias, {}, {}); status != 0) {
        return status;
    }
    if (!defined) {
        TAliasFile().Define(*alias);
    }
    return Ready(name);
}

int SetupPostgres(const SubcommandLine& line, const DbAdminOptions& options)
{
    TAlias alias;
    alias.name = line.Positional()[0];
    alias.driver = TAlias::Driver::PostgreSQL;
    for (const QCommandLineOption& option : options.libpq) {
        if (line.IsSet(option)) {
            alias.libpqSettings.insert(option.names().first(), line.Value(option));
        }
    }
    const bool service = alias.libpqSettings.contains(QStringLiteral("service"));
    if (!service && (!line.IsSet(options.server) || !line.IsSet(options.database))) {
        throw UsageError("setup-postgres needs --server and --database, or --service");
    }
    // A file typed relative to here is kept by its whole path: a job runs elsewhere.
    for (const TLibpqSetting& setting : kLibpqSettings) {
        const QString keyword = QString::fromLatin1(setting.keyword);
        if (setting.namesFile && alias.libpqSettings.contains(keyword)) {
            alias.libpqSettings[keyword] =
                QFileInfo(alias.libpqSettings[keyword]).absoluteFilePath();
        }
    }
    alias.server = line.Value(options.server);
    alias.port = service && !line.IsSet(options.port) ? 0 : line.Number(options.port, 1, 65535);
    alias.database = line.Value(options.database);
    alias.hasUserName = line.IsSet(options.user);
    alias.userName = line.Value(options.user);
    if (const QString fault = ServerAliasFault(alias); !fault.isEmpty()) {
        throw UsageError(fault.toStdString());
    }
    if (const int status =
            CreateTable(alias, alias.userName, GivenPassword(line, options, alias.userName));
        status != 0) {
        return status;
    }
    TAliasFile().Define(alias);
    return Ready(alias.name);
}

int CreateTableCommand(const SubcommandLine& line, const DbAdminOptions& options)
{
    const QString name = line.Positional()[0];
    const std::optional<TAlias> alias = DefinedAlias(name);
    if (!alias) {
        return Fail(QStringLiteral("alias %1 is not defined").arg(name));
    }
    const QString user = line.IsSet(options.user) ? line.Value(options.user) : alias->userName;
    if (const int status = CreateTable(*alias, user, GivenPassword(line, options, user));
        status != 0) {
        return status;
    }
    return Ready(name);
}

int ProtectTable(const SubcommandLine& line, const DbAdminOptions&)
{
    const QString name = line.Positional()[0];
    if (!DefinedAlias(name)) {
        return Fail(QStringLiteral("alias %1 is not defined").arg(name));
    }
    TAliasFile().SetTablePassword(name, line.Positional()[1], line.Positional()[2]);
    return 0;
}

// How each command is called, as the help says it.
QString Synopsis(const QString& command)
{
    const QStringList lines = QString::fromUtf8(kUsage).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("  ") + command + QLatin1Char(' '))) {
            return line.trimmed();
        }
    }
    return QStringLiteral("COMMAND ...");
}

int Usage(const QString& command, const QString& message)
{
    QTextStream(stderr) << "cardovane-dbadmin: " << message << "\n"
                        << "usage: cardovane-dbadmin " << Synopsis(command)
                        << " (see cardovane-dbadmin --help)\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    if (command == QLatin1String("--version")) {
        QTextStream(stdout) << "cardovane-dbadmin " << CARDOVANE_VERSION << "\n";
        return 0;
    }
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        QTextStream(stdout) << QString::fromUtf8(kUsage).arg(TAliasFile::DefaultPath(),
                                                             DefaultDatabaseFile());
        return 0;
    }
    if (args.size() < 2) {
        QTextStream(stderr) << QString::fromUtf8(kUsage).arg(TAliasFile::DefaultPath(),
                                                             DefaultDatabaseFile());
        return 2;
    }
    const DbAdminOptions o;
    // Each command: its options, how many arguments it takes, which of them a failure names.
    const struct {
        const char* name;
        QList<QCommandLineOption> options;
        int least;
        int most;
        int named;
        int (*run)(const SubcommandLine&, const DbAdminOptions&);
    } commands[] = {
        {"setup-sqlite", {}, 1, 2, 0, SetupSqlite},
        {"setup-postgres",
         QList<QCommandLineOption>{o.server, o.port, o.database, o.user, o.password,
                                   o.passwordFile} +
             o.libpq,
         1, 1, 0, SetupPostgres},
        {"create-table", {o.user, o.password, o.passwordFile}, 1, 1, 0, CreateTableCommand},
        {"protect-table", {}, 3, 3, 0, ProtectTable},
        {"import", {o.dryRun, o.wait, o.user, o.password, o.passwordFile}, 2, 2, 1, ImportCommand},
        {"export", {o.wait, o.user, o.password, o.passwordFile}, 2, 2, 1, ExportCommand},
    };
    // What a failure names: the command and the alias or file it was given, never an option's
    // value (a password may be one).
    QString subject = command;
    try {
        for (const auto& c : commands) {
            if (command == QLatin1String(c.name)) {
                const SubcommandLine line(command, args.mid(1), c.options, c.least, c.most);
                subject = command + QLatin1Char(' ') + line.Positional()[c.named];
                return c.run(line, o);
            }
        }
    } catch (const UsageError& error) {
        return Usage(command, command + QStringLiteral(": ") + QString::fromUtf8(error.what()));
    } catch (const std::exception& error) {
        // One line: an engine's message may run over several.
        QString message = QString::fromStdString(TopLevelMessageText(error.what()));
        message.replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
        message.replace(QLatin1Char('\n'), QStringLiteral(" / "));
        return Fail(subject + QStringLiteral(": ") + message);
    }
    return Usage(command, QStringLiteral("unknown command %1").arg(command));
}
