#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

#include "tests/support/TestDatabase.h"

// What a run of cardovane-dbadmin gave: its exit code and what it wrote.
struct Result {
    int code = -1;
    QString out;
    QString err;
};

// A desktop in the language ("de_DE"), whatever the test's own.
inline QProcessEnvironment DesktopIn(const QString& locale)
{
    QProcessEnvironment desktop;
    desktop.insert(QStringLiteral("LANGUAGE"), locale.left(2));
    desktop.insert(QStringLiteral("LC_ALL"), locale + QStringLiteral(".UTF-8"));
    return desktop;
}

inline QProcessEnvironment GermanDesktop()
{
    return DesktopIn(QStringLiteral("de_DE"));
}

// Runs the command in `folder` with the environment given on top of the test's own.
inline Result Admin(const QStringList& arguments, const QString& folder,
                    const QProcessEnvironment& extra = {}, const QByteArray& input = {},
                    QProcess* running = nullptr)
{
    QProcess own;
    QProcess& admin = running ? *running : own;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& key : extra.keys()) {
        environment.insert(key, extra.value(key));
    }
    admin.setProcessEnvironment(environment);
    admin.setWorkingDirectory(folder);
    admin.start(QStringLiteral(CARDOVANE_DBADMIN), arguments);
    admin.write(input);
    admin.closeWriteChannel();
    EXPECT_TRUE(admin.waitForFinished(120000));
    return {admin.exitCode(), QString::fromUtf8(admin.readAllStandardOutput()),
            QString::fromUtf8(admin.readAllStandardError())};
}

// A scheduled job: no terminal (a session of its own), standard input closed, in `home` as its
// HOME, with the environment given on top of the test's own, and no PGPASSFILE.
inline Result Job(const QStringList& arguments, const QString& home,
                  const QProcessEnvironment& extra = {})
{
    QProcess job;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.remove(QStringLiteral("PGPASSFILE"));
    for (const QString& key : extra.keys()) {
        environment.insert(key, extra.value(key));
    }
    job.setProcessEnvironment(environment);
    job.setChildProcessModifier([] { ::setsid(); });
    job.setWorkingDirectory(home);
    job.start(QStringLiteral(CARDOVANE_DBADMIN), arguments);
    job.closeWriteChannel();
    EXPECT_TRUE(job.waitForFinished(60000));
    return {job.exitCode(), QString::fromUtf8(job.readAllStandardOutput()),
            QString::fromUtf8(job.readAllStandardError())};
}

// A test of the command on each backend: the test's database with its alias DVK, and a folder
// of the test's own that the command runs in.
class AdminOnEachBackend : public OnEachBackend {
protected:
    void SetUp() override
    {
        OnEachBackend::SetUp();
        if (!IsSkipped()) {
            db.emplace(GetParam(), TestDatabase::Options{});
        }
    }

    QTemporaryDir dir;
    std::optional<TestDatabase> db;
};
