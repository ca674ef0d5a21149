// aliases.conf as a person writes it by hand: each group read into the alias it defines, or into
// the fault that names the key, its value and what to do; and the file rewritten whole.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "store/aliases/AliasFile.h"

namespace {

struct AliasCase {
    const char* name;
    const char* group;
    const char* fault;  // a part of the fault; empty for a usable alias
    // What a usable alias reads as: "driver|path|server|port|database|user".
    const char* reads;
};

class AliasGroups : public ::testing::TestWithParam<AliasCase> {};

QString Reads(const TAlias& alias)
{
    return QStringList{alias.driver == TAlias::Driver::SQLite ? "SQLite" : "PostgreSQL",
                       alias.path,
                       alias.server,
                       QString::number(alias.port),
                       alias.database,
                       alias.hasUserName ? alias.userName : QStringLiteral("-")}
        .join('|');
}

TEST_P(AliasGroups, ReadAsTheAliasOrItsFault)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("aliases.conf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("[DVK]\n") + GetParam().group + "\n");
    file.close();
    const std::vector<TAlias> aliases = TAliasFile(path).Read();
    ASSERT_EQ(aliases.size(), 1u);
    const TAlias& alias = aliases[0];
    EXPECT_EQ(alias.name, QStringLiteral("DVK"));
    const std::string fault = alias.fault.English();
    if (*GetParam().fault == '\0') {
        EXPECT_EQ(fault, "");
        EXPECT_EQ(Reads(alias), QString::fromUtf8(GetParam().reads));
    } else {
        EXPECT_TRUE(fault.starts_with("Alias DVK: ") && fault.find(GetParam().fault) != fault.npos)
            << fault;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Aliases, AliasGroups,
    ::testing::Values(
        AliasCase{"SQLiteFile", "Driver=SQLITE\nPath=/srv/students.db", "",
                  "SQLite|/srv/students.db||5432||-"},
        AliasCase{"DriverInAnyCase", "Driver=sqlite\nPath=/srv/s.db", "",
                  "SQLite|/srv/s.db||5432||-"},
        AliasCase{"Server",
                  "Driver=POSTGRES\nServer=db\nDatabase=school\nPort=6432\nUserName=office", "",
                  "PostgreSQL||db|6432|school|office"},
        AliasCase{"ServerSpelledOut", "Driver=PostgreSQL\nServer=db\nDatabase=school", "",
                  "PostgreSQL||db|5432|school|-"},
        AliasCase{"AService", "Driver=POSTGRES\nService=district", "", "PostgreSQL|||0||-"},
        // A primary and its standby: whichever accepts writes is the one reached.
        AliasCase{"ServersWithAStandby",
                  "Driver=POSTGRES\nServer=db1,db2\nDatabase=school\nTargetSessionAttrs=read-write",
                  "", "PostgreSQL||db1,db2|5432|school|-"},
        AliasCase{"UnknownSessionAttrs",
                  "Driver=POSTGRES\nServer=db1,db2\nDatabase=d\nTargetSessionAttrs=readwrite",
                  "TargetSessionAttrs \"readwrite\" is not one of any, read-write", ""},
        AliasCase{"UnknownDriver", "Driver=Postgress\nServer=h\nDatabase=d",
                  "Driver \"Postgress\" is not known", ""},
        AliasCase{"NoDriver", "Path=/srv/s.db", "Driver \"\"", ""},
        AliasCase{"NoPath", "Driver=SQLITE", "Path \"\" is missing", ""},
        AliasCase{"RelativePath", "Driver=SQLITE\nPath=students.db",
                  "Path \"students.db\" is relative", ""},
        AliasCase{"PortNotANumber", "Driver=POSTGRES\nServer=h\nDatabase=d\nPort=abc",
                  "Port \"abc\" is not a port number", ""},
        AliasCase{"PortTooLarge", "Driver=PostgreSQL\nServer=h\nDatabase=d\nPort=70000",
                  "Port \"70000\" is not a port", ""},
        AliasCase{"PortZero", "Driver=POSTGRES\nService=district\nPort=0",
                  "Port \"0\" is not a port number", ""},
        AliasCase{"NoServer", "Driver=postgres\nDatabase=d", "Server \"\" is missing", ""},
        AliasCase{"NoDatabase", "Driver=POSTGRESQL\nServer=h", "Database \"\" is missing", ""},
        AliasCase{"SslModeInAnotherCase",
                  "Driver=POSTGRES\nServer=h\nDatabase=d\nSSLMode=Verify-Full",
                  "SSLMode \"Verify-Full\" is not one of disable, allow", ""},
        AliasCase{"RelativeAuthority",
                  "Driver=POSTGRES\nServer=h\nDatabase=d\nSSLRootCert=district.crt",
                  "SSLRootCert \"district.crt\" is relative", ""},
        AliasCase{"MissingCertificate",
                  "Driver=POSTGRES\nServer=h\nDatabase=d\nSSLCert=/nonexistent/office.crt",
                  "SSLCert \"/nonexistent/office.crt\" is not a file", ""},
        AliasCase{"EmptyKey",
                  "Driver=POSTGRES\nServer=h\nDatabase=d\nSSLKey=", "SSLKey \"\" is empty", ""}),
    [](const auto& p) { return p.param.name; });

// Defining an alias replaces the one of the same name in any letter case, keeps the others, and
// leaves the file its owner's alone.
TEST(AliasFile, ADefinitionReplacesItsNamesakeAndTheFileIsTheOwnersAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cardovane/aliases.conf"));
    TAliasFile file(path);
    TAlias first;
    first.name = QStringLiteral("DVK");
    first.path = QStringLiteral("/srv/old.db");
    TAlias other = first;
    other.name = QStringLiteral("ARCHIVE");
    TAlias again = first;
    again.name = QStringLiteral("dvk");
    again.path = QStringLiteral("/srv/new.db");
    const mode_t umask = ::umask(022);
    for (const TAlias& alias : {first, other, again}) {
        file.Define(alias);
    }
    ::umask(umask);
    const std::vector<TAlias> aliases = file.Read();
    ASSERT_EQ(aliases.size(), 2u);
    QStringList defined;
    for (const TAlias& alias : aliases) {
        defined << alias.name + '=' + alias.path;
    }
    defined.sort();
    EXPECT_EQ(defined, (QStringList{"ARCHIVE=/srv/old.db", "dvk=/srv/new.db"}));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

}  // namespace
