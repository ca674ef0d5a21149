// cardovane-dbadmin: defines database aliases for the student list tool and creates the
// StudentList table in an alias's database. The program itself creates no table.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTextStream>
#include <cstdio>

#include "dbadmin/DbAdminBatch.h"
#include "store/Engine.h"
#include "store/StudentListTable.h"
#include "textio/ErrorDisplay.h"

namespace {

const char* const kUsage = R"(Usage: cardovane-dbadmin COMMAND ...

Aliases live in %1.

  setup-sqlite ALIAS [FILE]
      Defines ALIAS on a SQLite database file (by default %2) unless ALIAS is already defined,
      then creates the file and the StudentList table where they are missing.

  setup-postgres ALIAS --server HOST [--port PORT] --database NAME [--user NAME] [--password PW]
      Defines ALIAS on a PostgreSQL database (replacing an earlier definition) and creates the
      StudentList table there when it is missing. With --user the program asks for a login;
      the password is used for creating the table now and is never stored.
      To point the student list tool at a school server:
        cardovane-dbadmin setup-postgres DVK --server db.school.lan --database cardovane --user office

  create-table ALIAS [--user NAME] [--password PW]
      Creates the StudentList table in ALIAS's database when missing, and makes its sequence
      numbers unique within each name key where they are not yet (naming any number that is
      taken twice, which must be resolved first).

  protect-table ALIAS TABLE PASSWORD
      Makes statements on TABLE ask for PASSWORD (once a run).

  import ALIAS FILE [--dry-run] [--user NAME] [--password PW]
      Reads FILE as "Import List" reads it and stores every row in StudentList with the name
      key and sequence number that "Add List To Database" would give it, in one transaction:
      all of it or, on any failure, none (the failing row is named). --dry-run stores nothing
      and prints each row's line, key, sequence number and fields, tab-separated.

  export ALIAS FILE [--user NAME] [--password PW]
      Writes the student list to FILE exactly as "Export the Database to the CSV File" does;
      FILE - is standard output.

  For an alias that asks for a login, the password is asked on the terminal (or given with
  --password) and stored nowhere. Exit codes: 0 done, 1 failed, 2 usage.

  --help
      Shows this text.
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

QString Option(const QStringList& args, const QString& name, const QString& fallback = {})
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
}

bool AliasDefined(const QString& alias)
{
    const TAliasFile file;
    if (!file.Exists()) {
        return false;
    }
    for (const TAlias& defined : file.Read()) {
        if (defined.name.compare(alias, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
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

int CreateTable(const QString& alias, const QString& user, const QString& password)
{
    TEngine engine;
    engine.Initialize(QStringLiteral("0009"));
    const TAlias* definition = engine.FindAlias(alias);
    if (!definition) {
        return Fail(QStringLiteral("alias %1 is not defined").arg(alias));
    }
    if (definition->driver == TAlias::Driver::SQLite) {
        QDir().mkpath(QFileInfo(definition->path).path());
        QFile file(definition->path);
        if (!file.open(QIODevice::Append)) {
            return Fail(QStringLiteral("cannot create %1").arg(definition->path));
        }
    }
    const QString connection = engine.Connect(alias, user, password);
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
        const bool made =
            (definition->driver != TAlias::Driver::SQLite || run(kSqliteJournalStatement)) &&
            run(kCreateStudentListTable);
        if (made && !query.exec(QString::fromUtf8(kCreateStudentListKey))) {
            status = ReportRepeatedSequences(query);
        } else if (made) {
            run(kDropPlainStudentListIndex);
        }
    }
    TEngine::Disconnect(connection);
    if (status == 0) {
        QTextStream(stdout) << "StudentList is ready in the database of " << alias << ".\n";
    }
    return status;
}

int SetupSqlite(const QStringList& args)
{
    const QString alias = args.value(1);
    if (!AliasDefined(alias)) {
        TAlias definition;
        definition.name = alias;
        definition.driver = TAlias::Driver::SQLite;
        definition.path = QFileInfo(args.value(2, DefaultDatabaseFile())).absoluteFilePath();
        TAliasFile().Define(definition);
    }
    return CreateTable(alias, {}, {});
}

int SetupPostgres(const QStringList& args)
{
    const QString alias = args.value(1);
    const QString server = Option(args, QStringLiteral("--server"));
    const QString database = Option(args, QStringLiteral("--database"));
    if (server.isEmpty() || database.isEmpty()) {
        return Fail(QStringLiteral("setup-postgres needs --server and --database"));
    }
    TAlias definition;
    definition.name = alias;
    definition.driver = TAlias::Driver::PostgreSQL;
    definition.server = server;
    definition.port = Option(args, QStringLiteral("--port"), QStringLiteral("5432")).toInt();
    definition.database = database;
    definition.hasUserName = args.contains(QStringLiteral("--user"));
    definition.userName = Option(args, QStringLiteral("--user"));
    TAliasFile().Define(definition);
    return CreateTable(alias, Option(args, QStringLiteral("--user")),
                       Option(args, QStringLiteral("--password")));
}

int ProtectTable(const QStringList& args)
{
    if (args.size() < 4 || !AliasDefined(args.at(1))) {
        return Fail(QStringLiteral("protect-table needs a defined ALIAS, a TABLE and a PASSWORD"));
    }
    TAliasFile().SetTablePassword(args.at(1), args.at(2), args.at(3));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    if (command.isEmpty() || command == QLatin1String("--help") || args.size() < 2) {
        QTextStream(command == QLatin1String("--help") ? stdout : stderr)
            << QString::fromUtf8(kUsage).arg(TAliasFile::DefaultPath(), DefaultDatabaseFile());
        return command == QLatin1String("--help") ? 0 : 2;
    }
    try {
        if (command == QLatin1String("setup-sqlite")) {
            return SetupSqlite(args);
        }
        if (command == QLatin1String("setup-postgres")) {
            return SetupPostgres(args);
        }
        if (command == QLatin1String("create-table")) {
            return CreateTable(args.at(1), Option(args, QStringLiteral("--user")),
                               Option(args, QStringLiteral("--password")));
        }
        if (command == QLatin1String("protect-table")) {
            return ProtectTable(args);
        }
        if (command == QLatin1String("import")) {
            return ImportCommand(args);
        }
        if (command == QLatin1String("export")) {
            return ExportCommand(args);
        }
    } catch (const std::exception& error) {
        // One line, naming what was asked: an engine's message may run over several.
        QString message = QString::fromStdString(TopLevelMessageText(error.what()));
        message.replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
        message.replace(QLatin1Char('\n'), QStringLiteral(" / "));
        if (command == QLatin1String("import") || command == QLatin1String("export")) {
            return Fail(QStringLiteral("%1 %2: %3").arg(command, args.value(2), message));
        }
        return Fail(message);
    }
    return Fail(QStringLiteral("unknown command %1 (see --help)").arg(command));
}
