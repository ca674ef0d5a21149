#pragma once

#include <QMap>
#include <QString>
#include <vector>

#include "textio/Phrase.h"

// libpq's own connection settings that an alias may carry, under libpq's names: the key in
// aliases.conf, libpq's keyword (also the setup command's option), and whether it names a file.
struct TLibpqSetting {
    const char* key;
    const char* keyword;
    bool namesFile;
};
// TargetSessionAttrs=read-write with several servers (Server=db1,db2) reaches whichever of them
// is the primary, so a standby promoted in its place is found by the next connection.
inline constexpr TLibpqSetting kLibpqSettings[] = {
    {"SSLMode", "sslmode", false},
    {"SSLRootCert", "sslrootcert", true},
    {"SSLCert", "sslcert", true},
    {"SSLKey", "sslkey", true},
    {"SSLCrl", "sslcrl", true},
    {"Service", "service", false},
    {"TargetSessionAttrs", "target_session_attrs", false},
};

// The keys of an alias's group in aliases.conf, spelled here alone.
inline const QString kAliasDriver = QStringLiteral("Driver");
inline const QString kAliasPath = QStringLiteral("Path");
inline const QString kAliasServer = QStringLiteral("Server");
inline const QString kAliasPort = QStringLiteral("Port");
inline const QString kAliasDatabase = QStringLiteral("Database");
inline const QString kAliasUserName = QStringLiteral("UserName");
inline const QString kAliasTablePasswords = QStringLiteral("TablePasswords");

// An alias as aliases.conf defines it: SQLite (a database file) or PostgreSQL (server, port,
// database, optionally a user name, whose presence asks for a login; or a service of libpq's
// service file, which may give all of them).
struct TAlias {
    enum class Driver { SQLite, PostgreSQL };

    QString name;
    Driver driver = Driver::SQLite;
    QString path;
    QString server;
    int port = 5432;  // 0: the service's, or libpq's default
    QString database;
    bool hasUserName = false;
    QString userName;
    QMap<QString, QString> tablePasswords;  // lower-case table name -> password
    QMap<QString, QString> libpqSettings;   // libpq's keyword -> value, those given

    bool IsSqlite() const { return driver == Driver::SQLite; }
    // What makes the definition unusable, naming the alias, the key and its value; empty for a
    // usable one. Connecting to such an alias fails with it.
    TPhrase fault;
};

// The file of alias definitions, an INI file with a group per alias. Reading takes every
// group; saving replaces the file whole, readable by its owner alone, in a folder of the
// owner's alone.
class TAliasFile {
public:
    // ~/.config/cardovane/aliases.conf, or under XDG_CONFIG_HOME.
    static QString DefaultPath();

    explicit TAliasFile(QString path = DefaultPath());
    const QString& Path() const { return path_; }
    bool Exists() const;

    // Every alias the file defines, in the file's order; raises the engine's initialisation
    // failure when the file is missing or cannot be read.
    std::vector<TAlias> Read() const;

    // Replaces the alias of the same name, whatever its letter case, or adds it, and saves.
    void Define(const TAlias& alias);
    // Sets a table's password on a defined alias, and saves.
    void SetTablePassword(const QString& aliasName, const QString& table, const QString& password);

private:
    QString path_;
};
