#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "textio/Exception.h"

// A command line the program cannot be sure of: the message names what is wrong; the command
// does nothing and exits 2.
class UsageError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "UsageError"; }
};

QList<QCommandLineOption> LibpqOptions();

// The options of the subcommands, each spelled here once.
struct DbAdminOptions {
    QCommandLineOption user{QStringLiteral("user"),
                            QCoreApplication::translate("Usage", "The user name to log in as."),
                            QStringLiteral("NAME")};
    QCommandLineOption password{
        QStringLiteral("password"),
        QCoreApplication::translate(
            "Usage",
            "The password (other users of the computer can see a command line: let the "
            "command ask for it on the terminal instead)."),
        QStringLiteral("PW")};
    QCommandLineOption passwordFile{
        QStringLiteral("password-file"),
        QCoreApplication::translate(
            "Usage", "Reads the password from the first line of FILE, readable by you alone."),
        QStringLiteral("FILE")};
    QCommandLineOption server{QStringLiteral("server"),
                              QCoreApplication::translate("Usage", "The database server."),
                              QStringLiteral("HOST")};
    QCommandLineOption port{QStringLiteral("port"),
                            QCoreApplication::translate("Usage", "The server's port."),
                            QStringLiteral("PORT"), QStringLiteral("5432")};
    QCommandLineOption database{QStringLiteral("database"),
                                QCoreApplication::translate("Usage", "The database on the server."),
                                QStringLiteral("NAME")};
    // libpq's connection settings, named as libpq names them (--sslmode, --sslrootcert, ...).
    QList<QCommandLineOption> libpq = LibpqOptions();
    QCommandLineOption dryRun{QStringLiteral("dry-run"),
                              QCoreApplication::translate("Usage", "Store nothing.")};
    QCommandLineOption receipt{
        QStringLiteral("receipt"),
        QCoreApplication::translate("Usage", "Write what was stored to FILE, for undo."),
        QStringLiteral("FILE")};
    QCommandLineOption check{
        QStringLiteral("check"),
        QCoreApplication::translate("Usage", "Refuse a list with a line that needs a look.")};
    QCommandLineOption fix{
        QStringLiteral("fix"),
        QCoreApplication::translate("Usage", "Mend the lines the review grid's fixes mend.")};
    QCommandLineOption skipStored{
        QStringLiteral("skip-stored"),
        QCoreApplication::translate("Usage", "Leave out the lines whose IDNum is stored.")};
    QCommandLineOption posting{
        QStringLiteral("posting"),
        QCoreApplication::translate("Usage", "The posting of that number in the history."),
        QStringLiteral("N")};
    QCommandLineOption all{QStringLiteral("all"),
                           QCoreApplication::translate("Usage", "Every alias's postings.")};
    QCommandLineOption wait{
        QStringLiteral("wait"),
        QCoreApplication::translate("Usage", "How long to wait for another job's write lock."),
        QStringLiteral("SECONDS"), QStringLiteral("120")};
};

// The arguments of one subcommand (the words after its name), parsed strictly: every option
// must be one the subcommand takes, with its value; "--" ends the options; the positional
// arguments must number from `least` to `most`, none of them empty. Raises UsageError.
class SubcommandLine {
public:
    SubcommandLine(const QString& command, const QStringList& arguments,
                   const QList<QCommandLineOption>& options, int least, int most);

    const QStringList& Positional() const { return positional_; }
    bool IsSet(const QCommandLineOption& option) const { return parser_.isSet(option); }
    QString Value(const QCommandLineOption& option) const { return parser_.value(option); }
    // The option's value as a whole number from least to most; raises UsageError.
    int Number(const QCommandLineOption& option, int least, int most) const;

private:
    QCommandLineParser parser_;
    QStringList positional_;
};
