#include "dbadmin/DbAdminBatch.h"

#include <termios.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>
#include <string>

#include "export/ExportStudentList.h"
#include "import/BatchImport.h"
#include "import/StudentListReader.h"
#include "store/Query.h"
#include "store/Session.h"
#include "store/StudentListQuery.h"
#include "toolkit/GridCells.h"

namespace {

QString Option(const QStringList& args, const QString& name)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

// The arguments that are not options or their values.
QStringList Positional(const QStringList& args)
{
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--user") || args[i] == QLatin1String("--password")) {
            ++i;
        } else if (!args[i].startsWith(QLatin1String("--"))) {
            positional << args[i];
        }
    }
    return positional;
}

// Reads a password from the terminal without showing it; false where there is no terminal.
bool AskPassword(const QString& prompt, QString& password)
{
    std::FILE* tty = std::fopen("/dev/tty", "r+");
    if (!tty) {
        return false;
    }
    std::fprintf(tty, "%s", qPrintable(prompt));
    std::fflush(tty);
    termios before{};
    const bool terminal = tcgetattr(fileno(tty), &before) == 0;
    if (terminal) {
        termios silent = before;
        silent.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(fileno(tty), TCSAFLUSH, &silent);
    }
    char line[256] = {};
    const bool read = std::fgets(line, sizeof line, tty) != nullptr;
    if (terminal) {
        tcsetattr(fileno(tty), TCSAFLUSH, &before);
    }
    std::fprintf(tty, "\n");
    std::fclose(tty);
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    password = QString::fromStdString(text);
    return read;
}

// A session whose logins come from the options or the terminal; the password is kept nowhere.
void AnswerLogins(TSession& session, const QStringList& args)
{
    const QString user = Option(args, QStringLiteral("--user"));
    const QString given = Option(args, QStringLiteral("--password"));
    session.onLogin = [user, given](const QString& database, QString& userName, QString& password) {
        if (!user.isEmpty()) {
            userName = user;
        }
        if (!given.isEmpty()) {
            password = given;
            return true;
        }
        return AskPassword(QStringLiteral("Password for %1 on %2: ").arg(userName, database),
                           password);
    };
    session.onPassword = [] { return false; };
}

// Says how a batch command is called; answers the exit code of a usage mistake.
int Usage(const char* command)
{
    QTextStream(stderr) << "usage: cardovane-dbadmin " << command
                        << " [--user NAME] [--password PW]\n";
    return 2;
}

class SilentReading : public ImportView {
public:
    void ShowLineCount(int) override {}
};

// Rows done of all and the rate, on a terminal only, at most ten times a second.
class Progress {
public:
    Progress() : terminal_(::isatty(STDERR_FILENO) != 0) { started_.start(); }
    void operator()(int done, int total)
    {
        if (!terminal_ || (shown_.isValid() && shown_.elapsed() < 100 && done < total)) {
            return;
        }
        shown_.start();
        const double seconds = double(std::max(started_.elapsed(), qint64(1))) / 1000.0;
        std::fprintf(stderr, "\r%d of %d rows stored (%.0f rows/s)%s", done, total, done / seconds,
                     done == total ? "\n" : "");
    }

private:
    bool terminal_;
    QElapsedTimer started_;
    QElapsedTimer shown_;
};

}  // namespace

int ImportCommand(const QStringList& args)
{
    const QStringList positional = Positional(args);
    if (positional.size() != 3) {
        return Usage("import ALIAS FILE [--dry-run]");
    }
    const QString alias = positional[1];
    TSession session;
    AnswerLogins(session, args);

    // The list is read exactly as "Import List" reads it into the review grid.
    TGridCells cells(3, 17);
    SilentReading reading;
    ReadStudentList(positional[2].toStdString(), cells, reading);

    if (args.contains(QStringLiteral("--dry-run"))) {
        QTextStream out(stdout);
        for (const NumberedRow& row : NumberRows(cells, StoredMaxima(session, alias))) {
            out << row.line << '\t' << QString::fromStdString(row.psid) << '\t' << row.sequence
                << '\t' << QString::fromStdString(row.idNum) << '\t'
                << QString::fromStdString(row.firstName) << '\t'
                << QString::fromStdString(row.lastName) << '\n';
        }
        return 0;
    }
    Progress progress;
    const int stored = StoreStudentList(session, alias, cells, std::ref(progress));
    QTextStream(stdout) << "Stored " << stored << " rows in StudentList of " << alias << ".\n";
    return 0;
}

int ExportCommand(const QStringList& args)
{
    const QStringList positional = Positional(args);
    if (positional.size() != 3) {
        return Usage("export ALIAS FILE|-");
    }
    TSession session;
    AnswerLogins(session, args);
    TQuery names(session);
    SetUpStudentListQuery(names, positional[1]);
    // "-" is standard output, which the text file names by the empty name.
    const QString file = positional[2] == QLatin1String("-") ? QString() : positional[2];
    ExportStudentList(file.toStdString(), names);
    if (!file.isEmpty()) {
        QTextStream(stdout) << "Exported " << names.RecordCount() << " students to " << file
                            << ".\n";
    }
    return 0;
}
