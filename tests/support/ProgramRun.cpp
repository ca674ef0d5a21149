#include "tests/support/ProgramRun.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "tests/support/ScriptedSeam.h"

int RunProgram(TModalSeam& seam, const std::function<void(TfMain&)>& script)
{
    bool ran = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* main = qobject_cast<TfMain*>(w);
            // A person starts once the window is theirs: active, and no start-up dialog
            // (a login the activation itself opened) still open above it.
            if (main && main->isVisible() && main->isActiveWindow() &&
                !QApplication::activeModalWidget() && !ran) {
                ran = true;
                poll.stop();
                script(*main);
                // A script that did not end the program leaves it without closing the window.
                if (main->isVisible()) {
                    main->hide();
                    QApplication::quit();
                }
                return;
            }
        }
    });
    poll.start();
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        std::string windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                windows += std::string(" ") + w->metaObject()->className() +
                           (w->isActiveWindow() ? " (active)" : "") +
                           (w == QApplication::activeModalWidget() ? " (modal)" : "");
            }
        }
        ADD_FAILURE() << "the program did not end by itself; " << (ran ? "after" : "before")
                      << " the script; shown:" << windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            w->hide();
        }
        QApplication::quit();
    });
    guard.start(60000);  // a script may page through a list of many windows
    return RunCardovane(*qApp, seam);
}

InTemporaryWorkingDirectory::InTemporaryWorkingDirectory() : previous_(QDir::currentPath())
{
    QDir::setCurrent(dir_.path());
}

InTemporaryWorkingDirectory::~InTemporaryWorkingDirectory()
{
    QDir::setCurrent(previous_);
}

QString WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

int Mode(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
