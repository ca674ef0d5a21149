#include "store/aliases/AliasFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>

#include "store/aliases/AliasFault.h"
#include "store/errors/EngineErrors.h"
#include "textio/PrivateFiles.h"

namespace {

QString DriverName(TAlias::Driver driver)
{
    return driver == TAlias::Driver::SQLite ? QStringLiteral("SQLITE") : QStringLiteral("POSTGRES");
}

// A value as written: the settings format reads an unquoted comma as a list (a server's
// standby after its primary, "db1,db2"), which is the text it was.
QString Text(const QSettings& settings, const QString& key)
{
    const QVariant value = settings.value(key);
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                    : value.toString();
}

// Reads the group the settings are in; notes the first thing that makes it unusable.
TAlias ReadAlias(const QSettings& settings, const QString& name)
{
    TAlias alias;
    alias.name = name;
    const auto missing = [&](const QString& key) {
        return alias.fault.Empty() && Text(settings, key).isEmpty();
    };
    const QString driver = Text(settings, kAliasDriver);
    const QString upper = driver.toUpper();
    if (upper == QLatin1String("SQLITE")) {
        alias.driver = TAlias::Driver::SQLite;
    } else if (upper == QLatin1String("POSTGRES") || upper == QLatin1String("POSTGRESQL")) {
        alias.driver = TAlias::Driver::PostgreSQL;
    } else {
        alias.fault =
            AliasFault(alias, kAliasDriver, driver,
                       QT_TRANSLATE_NOOP("Aliases", "is not known: use SQLITE or POSTGRES"));
    }
    alias.path = Text(settings, kAliasPath);
    alias.server = Text(settings, kAliasServer);
    alias.database = Text(settings, kAliasDatabase);
    if (alias.IsSqlite()) {
        if (missing(kAliasPath)) {
            alias.fault =
                AliasFault(alias, kAliasPath, alias.path,
                           QT_TRANSLATE_NOOP("Aliases", "is missing: name the database file"));
        } else if (alias.fault.Empty() && QDir::isRelativePath(alias.path)) {
            alias.fault =
                AliasFault(alias, kAliasPath, alias.path,
                           QT_TRANSLATE_NOOP(
                               "Aliases", "is relative: name the database file by its whole path"));
        }
    } else {
        for (const TLibpqSetting& setting : kLibpqSettings) {
            const QString key = QString::fromLatin1(setting.key);
            if (settings.contains(key)) {
                alias.libpqSettings.insert(QString::fromLatin1(setting.keyword),
                                           Text(settings, key));
            }
        }
        if (alias.fault.Empty()) {
            alias.fault = ServerAliasFault(alias);
        }
        // Without a port, a service's own is taken; else PostgreSQL's.
        const bool service = alias.libpqSettings.contains(QStringLiteral("service"));
        alias.port = service ? 0 : 5432;
        if (settings.contains(kAliasPort)) {
            const QString port = Text(settings, kAliasPort);
            bool number = false;
            alias.port = port.toInt(&number);
            if (alias.fault.Empty() && (!number || alias.port < 1 || alias.port > 65535)) {
                alias.fault = AliasFault(
                    alias, kAliasPort, port,
                    QT_TRANSLATE_NOOP("Aliases", "is not a port number from 1 to 65535"));
            }
        }
    }
    alias.hasUserName = settings.contains(kAliasUserName);
    alias.userName = Text(settings, kAliasUserName);
    return alias;
}

Exception CannotWrite(const QString& path)
{
    return Exception(
        TPhrase("Aliases", QT_TRANSLATE_NOOP("Aliases", "Cannot write %1"), {path.toStdString()}));
}

// Changes a copy of the file through QSettings, so that every key it holds is kept, then puts
// the copy in the file's place in one step: a failure leaves the file as it was.
void Change(const QString& path, const std::function<void(QSettings&)>& change)
{
    MakePrivateFolder(QFileInfo(path).path());
    QTemporaryDir scratch;  // the owner's alone
    if (!scratch.isValid()) {
        throw Exception(
            TPhrase("Aliases", QT_TRANSLATE_NOOP("Aliases", "Cannot write %1: no temporary folder"),
                    {path.toStdString()}));
    }
    const QString copy = scratch.filePath(QStringLiteral("aliases.conf"));
    if (QFileInfo::exists(path) && !QFile::copy(path, copy)) {
        throw Exception(TPhrase("Aliases", QT_TRANSLATE_NOOP("Aliases", "Cannot read %1"),
                                {path.toStdString()}));
    }
    {
        QSettings settings(copy, QSettings::IniFormat);
        change(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            throw CannotWrite(path);
        }
    }
    QFile written(copy);
    if (!written.open(QIODevice::ReadOnly)) {
        throw CannotWrite(path);
    }
    TReplacedFile replaced(path, TReplacedFile::Mode::OwnerOnly);
    replaced.Write(written.readAll());
    replaced.Commit();
}

}  // namespace

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
            TPhrase(
                "Aliases",
                QT_TRANSLATE_NOOP("Aliases",
                                  "No database alias is defined: the aliases file %1 does not "
                                  "exist. Create it with \"cardovane-dbadmin setup-sqlite DVK\" "
                                  "(or setup-postgres, for a server)."),
                {path_.toStdString()}));
    }
    QFile probe(path_);
    QSettings settings(path_, QSettings::IniFormat);
    if (!probe.open(QIODevice::ReadOnly) || settings.status() != QSettings::NoError) {
        throw EDBEngineError::InitFailure(
            kErrConfigUnreadable,
            TPhrase("Aliases",
                    QT_TRANSLATE_NOOP("Aliases", "The aliases file %1 cannot be read: %2."),
                    {path_.toStdString(), probe.errorString().toStdString()}));
    }
    std::vector<TAlias> aliases;
    for (const QString& group : settings.childGroups()) {
        settings.beginGroup(group);
        TAlias alias = ReadAlias(settings, group);
        settings.beginGroup(kAliasTablePasswords);
        for (const QString& table : settings.childKeys()) {
            alias.tablePasswords.insert(table.toLower(), Text(settings, table));
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
        settings.setValue(kAliasDriver, DriverName(alias.driver));
        if (alias.IsSqlite()) {
            settings.setValue(kAliasPath, alias.path);
        } else {
            if (!alias.server.isEmpty()) {
                settings.setValue(kAliasServer, alias.server);
            }
            if (alias.port > 0) {
                settings.setValue(kAliasPort, alias.port);
            }
            if (!alias.database.isEmpty()) {
                settings.setValue(kAliasDatabase, alias.database);
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
            settings.setValue(kAliasUserName, alias.userName);
        }
        for (auto it = alias.tablePasswords.cbegin(); it != alias.tablePasswords.cend(); ++it) {
            settings.setValue(kAliasTablePasswords + QLatin1Char('/') + it.key(), it.value());
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
            group + QLatin1Char('/') + kAliasTablePasswords + QLatin1Char('/') + table.toLower(),
            password);
    });
}
