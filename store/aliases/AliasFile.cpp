#include "store/aliases/AliasFile.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>

#include "store/errors/EngineErrors.h"

namespace {

// The keys of an alias's group, spelled here alone.
const QString kDriver = QStringLiteral("Driver");
const QString kPath = QStringLiteral("Path");
const QString kServer = QStringLiteral("Server");
const QString kPort = QStringLiteral("Port");
const QString kDatabase = QStringLiteral("Database");
const QString kUserName = QStringLiteral("UserName");
const QString kTablePasswords = QStringLiteral("TablePasswords");

QString DriverName(TAlias::Driver driver)
{
    return driver == TAlias::Driver::SQLite ? QStringLiteral("SQLITE") : QStringLiteral("POSTGRES");
}

QString Fault(const TAlias& alias, const QString& key, const QString& value, const QString& what)
{
    return QStringLiteral("Alias %1: %2 \"%3\" %4").arg(alias.name, key, value, what);
}

const QStringList kSslModes = {QStringLiteral("disable"),   QStringLiteral("allow"),
                               QStringLiteral("prefer"),    QStringLiteral("require"),
                               QStringLiteral("verify-ca"), QStringLiteral("verify-full")};

}  // namespace

QString ServerAliasFault(const TAlias& alias)
{
    const bool service = alias.libpqSettings.contains(QStringLiteral("service"));
    // A service of libpq's service file may name the server and the database.
    if (alias.server.isEmpty() && !service) {
        return Fault(alias, kServer, {},
                     QStringLiteral("is missing: name the database server (or a Service)"));
    }
    if (alias.database.isEmpty() && !service) {
        return Fault(alias, kDatabase, {},
                     QStringLiteral("is missing: name the database on the server (or a Service)"));
    }
    for (const TLibpqSetting& setting : kLibpqSettings) {
        const QString key = QString::fromLatin1(setting.key);
        const QString value = alias.libpqSettings.value(QString::fromLatin1(setting.keyword));
        if (!alias.libpqSettings.contains(QString::fromLatin1(setting.keyword))) {
            continue;
        }
        if (value.isEmpty()) {
            return Fault(alias, key, value, QStringLiteral("is empty: give a value or remove it"));
        }
        // The driver turns every semicolon of its options into a space.
        if (value.contains(QLatin1Char(';'))) {
            return Fault(alias, key, value,
                         QStringLiteral("holds a semicolon, which cannot be passed to the server's "
                                        "driver: rename it without one"));
        }
        if (setting.namesFile && QDir::isRelativePath(value)) {
            return Fault(alias, key, value,
                         QStringLiteral("is relative: name the file by its whole path"));
        }
        if (setting.namesFile && !QFileInfo(value).isFile()) {
            return Fault(alias, key, value,
                         QStringLiteral("is not a file: name the file the district gave you"));
        }
    }
    const QString mode = alias.libpqSettings.value(QStringLiteral("sslmode"));
    if (!mode.isEmpty() && !kSslModes.contains(mode)) {
        return Fault(alias, QStringLiteral("SSLMode"), mode,
                     QStringLiteral("is not one of ") + kSslModes.join(QStringLiteral(", ")));
    }
    return {};
}

namespace {

// Reads the group the settings are in; notes the first thing that makes it unusable.
TAlias ReadAlias(const QSettings& settings, const QString& name)
{
    TAlias alias;
    alias.name = name;
    const auto missing = [&](const QString& key) {
        return alias.fault.isEmpty() && settings.value(key).toString().isEmpty();
    };
    const QString driver = settings.value(kDriver).toString();
    const QString upper = driver.toUpper();
    if (upper == QLatin1String("SQLITE")) {
        alias.driver = TAlias::Driver::SQLite;
    } else if (upper == QLatin1String("POSTGRES") || upper == QLatin1String("POSTGRESQL")) {
        alias.driver = TAlias::Driver::PostgreSQL;
    } else {
        alias.fault =
            Fault(alias, kDriver, driver, QStringLiteral("is not known: use SQLITE or POSTGRES"));
    }
    alias.path = settings.value(kPath).toString();
    alias.server = settings.value(kServer).toString();
    alias.database = settings.value(kDatabase).toString();
    if (alias.driver == TAlias::Driver::SQLite) {
        if (missing(kPath)) {
            alias.fault = Fault(alias, kPath, alias.path,
                                QStringLiteral("is missing: name the database file"));
        } else if (alias.fault.isEmpty() && QDir::isRelativePath(alias.path)) {
            alias.fault =
                Fault(alias, kPath, alias.path,
                      QStringLiteral("is relative: name the database file by its whole path"));
        }
    } else {
        for (const TLibpqSetting& setting : kLibpqSettings) {
            const QString key = QString::fromLatin1(setting.key);
            if (settings.contains(key)) {
                alias.libpqSettings.insert(QString::fromLatin1(setting.keyword),
                                           settings.value(key).toString());
            }
        }
        if (alias.fault.isEmpty()) {
            alias.fault = ServerAliasFault(alias);
        }
        // Without a port, a service's own is taken; else PostgreSQL's.
        const bool service = alias.libpqSettings.contains(QStringLiteral("service"));
        alias.port = service ? 0 : 5432;
        if (settings.contains(kPort)) {
            const QString port = settings.value(kPort).toString();
            bool number = false;
            alias.port = port.toInt(&number);
            if (alias.fault.isEmpty() && (!number || alias.port < 1 || alias.port > 65535)) {
                alias.fault = Fault(alias, kPort, port,
                                    QStringLiteral("is not a port number from 1 to 65535"));
            }
        }
    }
    alias.hasUserName = settings.contains(kUserName);
    alias.userName = settings.value(kUserName).toString();
    return alias;
}

// Changes a copy of the file through QSettings, so that every key it holds is kept, then puts
// the copy in the file's place in one step: a failure leaves the file as it was.
void Change(const QString& path, const std::function<void(QSettings&)>& change)
{
    MakePrivateFolder(QFileInfo(path).path());
    QTemporaryDir scratch;  // the owner's alone
    if (!scratch.isValid()) {
        throw Exception("Cannot write " + path.toStdString() + ": no temporary folder");
    }
    const QString copy = scratch.filePath(QStringLiteral("aliases.conf"));
    if (QFileInfo::exists(path) && !QFile::copy(path, copy)) {
        throw Exception("Cannot read " + path.toStdString());
    }
    {
        QSettings settings(copy, QSettings::IniFormat);
        change(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            throw Exception("Cannot write " + path.toStdString());
        }
    }
    QFile written(copy);
    QSaveFile file(path);
    if (!written.open(QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(written.readAll()) < 0 || !file.commit()) {
        throw Exception("Cannot write " + path.toStdString() + ": " +
                        file.errorString().toStdString());
    }
}

}  // namespace

void MakePrivateFolder(const QString& folder)
{
    const QString absolute = QDir::cleanPath(QDir(folder).absolutePath());
    if (QFileInfo(absolute).isDir()) {
        return;
    }
    MakePrivateFolder(QFileInfo(absolute).path());
    if (::mkdir(QFile::encodeName(absolute).constData(), 0700) != 0 &&
        !QFileInfo(absolute).isDir()) {
        throw Exception("Cannot create the folder " + absolute.toStdString());
    }
}

QString TAliasFile::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/cardovane/aliases.conf");
}

TAliasFile::TAliasFile(QString path) : path_(std::move(path))
{
}

bool TAliasFile::Exists() const
{
    return QFileInfo(path_).isFile();
}

std::vector<TAlias> TAliasFile::Read() const
{
    if (!Exists()) {
        throw EDBEngineError::InitFailure(
            kErrConfigUnreadable,
            "No database alias is defined: the aliases file " + path_.toStdString() +
                " does not exist. Create it with \"cardovane-dbadmin setup-sqlite DVK\" (or "
                "setup-postgres, for a server).");
    }
    QFile probe(path_);
    QSettings settings(path_, QSettings::IniFormat);
    if (!probe.open(QIODevice::ReadOnly) || settings.status() != QSettings::NoError) {
        throw EDBEngineError::InitFailure(
            kErrConfigUnreadable, "The aliases file " + path_.toStdString() + " cannot be read: " +
                                      probe.errorString().toStdString() + ".");
    }
    std::vector<TAlias> aliases;
    for (const QString& group : settings.childGroups()) {
        settings.beginGroup(group);
        TAlias alias = ReadAlias(settings, group);
        settings.beginGroup(kTablePasswords);
        for (const QString& table : settings.childKeys()) {
            alias.tablePasswords.insert(table.toLower(), settings.value(table).toString());
        }
        settings.endGroup();
        settings.endGroup();
        aliases.push_back(std::move(alias));
    }
    return aliases;
}

void TAliasFile::Define(const TAlias& alias)
{
    Change(path_, [&](QSettings& settings) {
        for (const QString& group : settings.childGroups()) {
            if (group.compare(alias.name, Qt::CaseInsensitive) == 0) {
                settings.remove(group);
            }
        }
        settings.beginGroup(alias.name);
        settings.setValue(kDriver, DriverName(alias.driver));
        if (alias.driver == TAlias::Driver::SQLite) {
            settings.setValue(kPath, alias.path);
        } else {
            if (!alias.server.isEmpty()) {
                settings.setValue(kServer, alias.server);
            }
            if (alias.port > 0) {
                settings.setValue(kPort, alias.port);
            }
            if (!alias.database.isEmpty()) {
                settings.setValue(kDatabase, alias.database);
            }
            for (const TLibpqSetting& setting : kLibpqSettings) {
                const QString keyword = QString::fromLatin1(setting.keyword);
                if (alias.libpqSettings.contains(keyword)) {
                    settings.setValue(QString::fromLatin1(setting.key),
                                      alias.libpqSettings.value(keyword));
                }
            }
        }
        if (alias.hasUserName) {
            settings.setValue(kUserName, alias.userName);
        }
        for (auto it = alias.tablePasswords.cbegin(); it != alias.tablePasswords.cend(); ++it) {
            settings.setValue(kTablePasswords + QLatin1Char('/') + it.key(), it.value());
        }
        settings.endGroup();
    });
}

void TAliasFile::SetTablePassword(const QString& aliasName, const QString& table,
                                  const QString& password)
{
    Change(path_, [&](QSettings& settings) {
        QString group = aliasName;
        for (const QString& existing : settings.childGroups()) {
            if (existing.compare(aliasName, Qt::CaseInsensitive) == 0) {
                group = existing;
            }
        }
        settings.setValue(
            group + QLatin1Char('/') + kTablePasswords + QLatin1Char('/') + table.toLower(),
            password);
    });
}
