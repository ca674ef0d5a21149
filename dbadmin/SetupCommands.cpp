#include "dbadmin/SetupCommands.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>
#include <cerrno>
#include <cstring>
#include <optional>

#include <QCoreApplication>

#include "dbadmin/CommandLine.h"
#include "dbadmin/Passwords.h"
#include "l10n/PhraseText.h"
#include "store/aliases/AliasFault.h"
#include "store/aliases/AliasFile.h"
#include "store/engine/Engine.h"
#include "store/table/StudentListSetup.h"
#include "textio/Exception.h"
#include "textio/PrivateFiles.h"

QString DefaultDatabaseFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/cardovane/students.db");
}

namespace {

QString Said(const char* source)
{
    return QCoreApplication::translate("SetupCommands", source);
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
int ReportRepeatedSequences(const std::vector<TRepeatedSequence>& repeated)
{
    QTextStream err(stderr);
    err << "cardovane-dbadmin: "
        << Said(QT_TRANSLATE_NOOP("SetupCommands",
                                  "StudentList is kept as it is, but its sequence numbers cannot "
                                  "be made unique while these are taken more than once (name key, "
                                  "number, records):"))
        << '\n';
    for (const TRepeatedSequence& number : repeated) {
        err << "  " << number.psid << ' ' << number.sequence << " ("
            << Translated(TPhrase("SetupCommands",
                                  QT_TRANSLATE_N_NOOP("SetupCommands", "%n record(s)"), {},
                                  number.records.toLongLong()))
            << ")\n";
    }
    err << Said(QT_TRANSLATE_NOOP("SetupCommands",
                                  "Give each of those students a number of their own (or remove a "
                                  "repeated record), then run create-table again."))
        << '\n';
    return 1;
}

// Creates a missing database file, readable by its owner alone, in a folder of the owner's.
void CreateDatabaseFile(const QString& path)
{
    MakePrivateFolder(QFileInfo(path).path());
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        throw Exception(TPhrase("SetupCommands",
                                QT_TRANSLATE_NOOP("SetupCommands", "Cannot create %1: %2"),
                                {path.toStdString(), std::strerror(errno)}));
    }
    ::close(fd);
}

// Sets StudentList up in the alias's database; answers the exit code.
int CreateTable(const TAlias& alias, const QString& user, const QString& password)
{
    if (alias.IsSqlite() && alias.fault.Empty()) {
        CreateDatabaseFile(alias.path);
    }
    TEngine engine;
    const QString connection = engine.ConnectTo(alias, user, password);
    std::vector<TRepeatedSequence> repeated;
    try {
        repeated = SetUpStudentListTable(QSqlDatabase::database(connection, false));
    } catch (...) {
        TEngine::Disconnect(connection);
        throw;
    }
    TEngine::Disconnect(connection);
    return repeated.empty() ? 0 : ReportRepeatedSequences(repeated);
}

int Ready(const QString& alias)
{
    QTextStream(stdout) << QCoreApplication::translate(
                               "SetupCommands", "StudentList is ready in the database of %1.")
                               .arg(alias)
                        << '\n';
    return 0;
}

}  // namespace

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
        throw UsageError(TPhrase(
            "SetupCommands",
            QT_TRANSLATE_NOOP("SetupCommands",
                              "setup-postgres needs --server and --database, or --service")));
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
    if (const TPhrase fault = ServerAliasFault(alias); !fault.Empty()) {
        throw UsageError(fault);
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
        return Fail(
            QCoreApplication::translate("SetupCommands", "alias %1 is not defined").arg(name));
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
        return Fail(
            QCoreApplication::translate("SetupCommands", "alias %1 is not defined").arg(name));
    }
    TAliasFile().SetTablePassword(name, line.Positional()[1], line.Positional()[2]);
    return 0;
}
