#include "dbadmin/DbAdminBatch.h"

#include <sys/stat.h>

#include <termios.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>

#include "dbadmin/CommandLine.h"
#include "export/ExportStudentList.h"
#include "import/BatchImport.h"
#include "import/StudentListReader.h"
#include "store/engine/Session.h"
#include "store/list/Query.h"
#include "store/list/StudentListQuery.h"
#include "textio/Exception.h"
#include "toolkit/GridCells.h"

namespace {

// The terminal's settings while a password is typed without echo, for the signal handler that
// restores them when the job is interrupted there.
termios gSavedTerminal{};
volatile std::sig_atomic_t gTerminalFd = -1;

extern "C" void RestoreTerminalAndStop(int signal)
{
    if (gTerminalFd >= 0) {
        tcsetattr(gTerminalFd, TCSAFLUSH, &gSavedTerminal);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Reads a password from the terminal without showing it, whole whatever its length; false
// where there is no terminal.
bool AskPassword(const QString& prompt, QString& password)
{
    std::FILE* tty = std::fopen("/dev/tty", "r+");
    if (!tty) {
        return false;
    }
    std::fprintf(tty, "%s", qPrintable(prompt));
    std::fflush(tty);
    const int fd = fileno(tty);
    const bool terminal = tcgetattr(fd, &gSavedTerminal) == 0;
    if (terminal) {
        gTerminalFd = fd;
        std::signal(SIGINT, RestoreTerminalAndStop);
        std::signal(SIGTERM, RestoreTerminalAndStop);
        std::signal(SIGHUP, RestoreTerminalAndStop);
        termios silent = gSavedTerminal;
        silent.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(fd, TCSAFLUSH, &silent);
    }
    std::string text;
    int c = 0;
    bool read = false;
    while ((c = std::fgetc(tty)) != EOF) {
        read = true;
        if (c == '\n') {
            break;
        }
        text += char(c);
    }
    if (terminal) {
        tcsetattr(fd, TCSAFLUSH, &gSavedTerminal);
        gTerminalFd = -1;
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
        std::signal(SIGHUP, SIG_DFL);
    }
    std::fprintf(tty, "\n");
    std::fclose(tty);
    while (!text.empty() && text.back() == '\r') {
        text.pop_back();
    }
    password = QString::fromStdString(text);
    return read;
}

// The first line of a password file, refused (as libpq refuses its own) where others may
// read it.
QString ReadPasswordFile(const QString& path)
{
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
        throw Exception("The password file " + path.toStdString() + " cannot be read");
    }
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        throw Exception("The password file " + path.toStdString() +
                        " may be read by others: make it yours alone (chmod 600) first");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Exception("The password file " + path.toStdString() + " cannot be read");
    }
    QByteArray first = file.readLine();
    while (first.endsWith('\n') || first.endsWith('\r')) {
        first.chop(1);
    }
    return QString::fromUtf8(first);
}

}  // namespace

QString GivenPassword(const SubcommandLine& line, const DbAdminOptions& options,
                      const QString& user)
{
    if (line.IsSet(options.passwordFile)) {
        return ReadPasswordFile(line.Value(options.passwordFile));
    }
    QString password = line.Value(options.password);
    if (password.isEmpty() && !user.isEmpty()) {
        AskPassword(QStringLiteral("Password for %1: ").arg(user), password);
    }
    return password;
}

namespace {

// A session whose logins come from the options, a password file or the terminal; with none of
// them (a job without a terminal, or nothing typed) the server is asked with no password, so
// that libpq's own password file (~/.pgpass, PGPASSFILE) answers. The password is kept nowhere.
void AnswerLogins(TSession& session, const SubcommandLine& line, const DbAdminOptions& options)
{
    const QString user = line.Value(options.user);
    const QString given = line.IsSet(options.passwordFile)
                              ? ReadPasswordFile(line.Value(options.passwordFile))
                              : line.Value(options.password);
    session.onLogin = [user, given](const QString& database, QString& userName, QString& password) {
        if (!user.isEmpty()) {
            userName = user;
        }
        if (!given.isEmpty()) {
            password = given;
            return true;
        }
        AskPassword(QStringLiteral("Password for %1 on %2: ").arg(userName, database), password);
        return true;
    };
    session.onPassword = [] { return false; };
}

// Logins from the options or the terminal; another job's write lock on SQLite waited for as
// long as --wait says.
void SetUpSession(TSession& session, const SubcommandLine& line, const DbAdminOptions& options)
{
    AnswerLogins(session, line, options);
    session.Engine().SetBusyTimeout(line.Number(options.wait, 0, 86400) * 1000);
}

// A file that is certainly no comma-separated text: a spreadsheet workbook (a ZIP package, or
// the older compound file), UTF-16 text, or anything else that holds a NUL byte. The window
// shows what it read for the user to see; a job has nobody to look, so it refuses.
void RefuseWhatIsNoText(const std::string& path, const QString& shownName)
{
    std::ifstream in(path, std::ios::binary);
    char block[65536];
    std::string start;
    std::size_t offset = 0;
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        const std::string_view bytes(block, std::size_t(in.gcount()));
        if (offset == 0) {
            start = std::string(bytes.substr(0, 4));
        }
        const auto nul = bytes.find('\0');
        if (nul != std::string_view::npos) {
            const bool utf16 = start.rfind("\xFF\xFE", 0) == 0 || start.rfind("\xFE\xFF", 0) == 0;
            const bool workbook =
                start.rfind("PK\x03\x04", 0) == 0 || start.rfind("\xD0\xCF\x11\xE0", 0) == 0;
            const std::string name = shownName.toStdString();
            if (workbook) {
                throw Exception(name +
                                " is not a comma-separated text file but a spreadsheet "
                                "workbook: save it as CSV first, then import that file");
            }
            if (utf16) {
                throw Exception(name +
                                " is not a comma-separated text file of this kind: it "
                                "holds UTF-16 text; save it as CSV in UTF-8 first");
            }
            throw Exception(name +
                            " is not a comma-separated text file: it holds a NUL byte at "
                            "byte " +
                            std::to_string(offset + nul + 1));
        }
        offset += bytes.size();
    }
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

int ImportCommand(const SubcommandLine& line, const DbAdminOptions& options)
{
    const QString alias = line.Positional()[0];
    const QString file = line.Positional()[1];
    TSession session;
    SetUpSession(session, line, options);

    // Standard input is read once, into a file of the user's own that the reader's two passes
    // then read.
    QTemporaryFile input;
    std::string path = file.toStdString();
    if (file == QLatin1String("-")) {
        QFile in;
        if (!input.open() || !in.open(stdin, QIODevice::ReadOnly)) {
            throw Exception("standard input cannot be read");
        }
        while (!in.atEnd()) {
            const QByteArray block = in.read(65536);
            if (block.isEmpty() || input.write(block) != block.size()) {
                throw Exception("standard input cannot be read: " +
                                input.errorString().toStdString());
            }
        }
        input.close();
        path = input.fileName().toStdString();
    }
    // A missing file or a folder reads as nothing here; the reader tells it with its messages.
    RefuseWhatIsNoText(path, file == QLatin1String("-") ? QStringLiteral("standard input") : file);

    // The list is read exactly as "Import List" reads it into the review grid.
    TGridCells cells(3, 17);
    SilentReading reading;
    ReadStudentList(path, cells, reading);

    if (line.IsSet(options.dryRun)) {
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
    QTextStream(stdout) << "Stored " << stored << (stored == 1 ? " row" : " rows")
                        << " in StudentList of " << alias << ".\n";
    return 0;
}

int ExportCommand(const SubcommandLine& line, const DbAdminOptions& options)
{
    const QString alias = line.Positional()[0];
    const QString file = line.Positional()[1];
    TSession session;
    SetUpSession(session, line, options);
    TQuery names(session);
    SetUpStudentListQuery(names, alias);
    if (file == QLatin1String("-")) {
        // The text file's empty name is standard output.
        ExportStudentList({}, names, TListReading::Bulk);
        return 0;
    }
    const long long students = ExportStudentListReplacing(file, names, TListReading::Bulk);
    QTextStream(stdout) << "Exported " << students << (students == 1 ? " student" : " students")
                        << " to " << file << ".\n";
    return 0;
}
