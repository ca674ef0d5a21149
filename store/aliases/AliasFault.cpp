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

TPhrase AliasFault(const TAlias& alias, const QString& key, const QString& value, const char* what,
                   const QString& detail)
{
    return TPhrase("Aliases", QT_TRANSLATE_NOOP("Aliases", "Alias %1: %2 \"%3\" %4"),
                   {alias.name.toStdString(), key.toStdString(), value.toStdString(),
                    TPhrase("Aliases", what, {detail.toStdString()})});
}

TPhrase ServerAliasFault(const TAlias& alias)
{
    const bool service = alias.libpqSettings.contains(QStringLiteral("service"));
    // A service of libpq's service file may name the server and the database.
    if (alias.server.isEmpty() && !service) {
        return AliasFault(
            alias, kAliasServer, {},
            QT_TRANSLATE_NOOP("Aliases", "is missing: name the database server (or a Service)"));
    }
    if (alias.database.isEmpty() && !service) {
        return AliasFault(
            alias, kAliasDatabase, {},
            QT_TRANSLATE_NOOP("Aliases",
                              "is missing: name the database on the server (or a Service)"));
    }
    for (const TLibpqSetting& setting : kLibpqSettings) {
        const QString key = QString::fromLatin1(setting.key);
        const QString value = alias.libpqSettings.value(QString::fromLatin1(setting.keyword));
        if (!alias.libpqSettings.contains(QString::fromLatin1(setting.keyword))) {
            continue;
        }
        if (value.isEmpty()) {
            return AliasFault(alias, key, value,
                              QT_TRANSLATE_NOOP("Aliases", "is empty: give a value or remove it"));
        }
        // The driver turns every semicolon of its options into a space.
        if (value.contains(QLatin1Char(';'))) {
            return AliasFault(
                alias, key, value,
                QT_TRANSLATE_NOOP("Aliases",
                                  "holds a semicolon, which cannot be passed to the server's "
                                  "driver: rename it without one"));
        }
        if (setting.namesFile && QDir::isRelativePath(value)) {
            return AliasFault(
                alias, key, value,
                QT_TRANSLATE_NOOP("Aliases", "is relative: name the file by its whole path"));
        }
        if (setting.namesFile && !QFileInfo(value).isFile()) {
            return AliasFault(
                alias, key, value,
                QT_TRANSLATE_NOOP("Aliases", "is not a file: name the file the district gave you"));
        }
    }
    const QString mode = alias.libpqSettings.value(QStringLiteral("sslmode"));
    if (!mode.isEmpty() && !kSslModes.contains(mode)) {
        return AliasFault(alias, QStringLiteral("SSLMode"), mode,
                          QT_TRANSLATE_NOOP("Aliases", "is not one of %1"),
                          kSslModes.join(QStringLiteral(", ")));
    }
    const QString attrs = alias.libpqSettings.value(QStringLiteral("target_session_attrs"));
    if (!attrs.isEmpty() && !kSessionAttrs.contains(attrs)) {
        return AliasFault(alias, QStringLiteral("TargetSessionAttrs"), attrs,
                          QT_TRANSLATE_NOOP("Aliases", "is not one of %1"),
                          kSessionAttrs.join(QStringLiteral(", ")));
    }
    return {};
}
