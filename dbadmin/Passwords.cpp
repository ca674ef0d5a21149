#include "dbadmin/Passwords.h"

#include <sys/stat.h>

#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <csignal>
#include <cstdio>
#include <string>

#include "dbadmin/CommandLine.h"
#include "store/engine/Session.h"
#include "textio/Exception.h"

namespace {

Exception Refusal(const char* source, std::vector<TPhrase> args = {})
{
    return Exception(TPhrase("Passwords", source, std::move(args)));
}

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
    // Asked only once the terminal is silent: a password typed at once never shows.
    std::fprintf(tty, "%s", qPrintable(prompt));
    std::fflush(tty);
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
        throw Refusal(QT_TRANSLATE_NOOP("Passwords", "The password file %1 cannot be read"),
                      {path.toStdString()});
    }
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        throw Refusal(QT_TRANSLATE_NOOP("Passwords",
                                        "The password file %1 may be read by others: "
                                        "make it yours alone (chmod 600) first"),
                      {path.toStdString()});
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Refusal(QT_TRANSLATE_NOOP("Passwords", "The password file %1 cannot be read"),
                      {path.toStdString()});
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
        AskPassword(QCoreApplication::translate("Passwords", "Password for %1: ").arg(user),
                    password);
    }
    return password;
}

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
        AskPassword(QCoreApplication::translate("Passwords", "Password for %1 on %2: ")
                        .arg(userName, database),
                    password);
        return true;
    };
    session.onPassword = [] { return false; };
}
