#include "store/aliases/AliasFault.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QStringList kSslModes = {QStringLiteral("disable"),   QStringLiteral("allow"),
                               QStringLiteral("prefer"),    QStringLiteral("require"),
                               QStringLiteral("verify-ca"), QStringLiteral("verify-full")};

// The kinds of server libpq may be asked to connect to, among those an alias names.
const QStringList kSessionAttrs = {QStringLiteral("any"),       QStringLiteral("read-write"),
                                   QStringLiteral("read-only"), QStringLiteral("primary"),
                                   QStringLiteral("standby"),   QStringLiteral("prefer-standby")};

}  // namespace

QString AliasFault(const TAlias& alias, const QString& key, const QString& value,
                   const QString& what)
{
    return QStringLiteral("Alias %1: %2 \"%3\" %4").arg(alias.name, key, value, what);
}

QString ServerAliasFault(const TAlias& alias)
{
    const bool service = alias.libpqSettings.contains(QStringLiteral("service"));
    // A service of libpq's service file may name the server and the database.
    if (alias.server.isEmpty() && !service) {
        return AliasFault(alias, kAliasServer, {},
                          QStringLiteral("is missing: name the database server (or a Service)"));
    }
    if (alias.database.isEmpty() && !service) {
        return AliasFault(
            alias, kAliasDatabase, {},
            QStringLiteral("is missing: name the database on the server (or a Service)"));
    }
    for (const TLibpqSetting& setting : kLibpqSettings) {
        const QString key = QString::fromLatin1(setting.key);
        const QString value = alias.libpqSettings.value(QString::fromLatin1(setting.keyword));
        if (!alias.libpqSettings.contains(QString::fromLatin1(setting.keyword))) {
            continue;
        }
        if (value.isEmpty()) {
            return AliasFault(alias, key, value,
                              QStringLiteral("is empty: give a value or remove it"));
        }
        // The driver turns every semicolon of its options into a space.
        if (value.contains(QLatin1Char(';'))) {
            return AliasFault(
                alias, key, value,
                QStringLiteral("holds a semicolon, which cannot be passed to the server's "
                               "driver: rename it without one"));
        }
        if (setting.namesFile && QDir::isRelativePath(value)) {
            return AliasFault(alias, key, value,
                              QStringLiteral("is relative: name the file by its whole path"));
        }
        if (setting.namesFile && !QFileInfo(value).isFile()) {
            return AliasFault(alias, key, value,
                              QStringLiteral("is not a file: name the file the district gave you"));
        }
    }
    const QString mode = alias.libpqSettings.value(QStringLiteral("sslmode"));
    if (!mode.isEmpty() && !kSslModes.contains(mode)) {
        return AliasFault(alias, QStringLiteral("SSLMode"), mode,
                          QStringLiteral("is not one of ") + kSslModes.join(QStringLiteral(", ")));
    }
    const QString attrs = alias.libpqSettings.value(QStringLiteral("target_session_attrs"));
    if (!attrs.isEmpty() && !kSessionAttrs.contains(attrs)) {
        return AliasFault(
            alias, QStringLiteral("TargetSessionAttrs"), attrs,
            QStringLiteral("is not one of ") + kSessionAttrs.join(QStringLiteral(", ")));
    }
    return {};
}
