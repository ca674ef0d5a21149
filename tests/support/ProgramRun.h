#pragma once

#include <QString>
#include <QTemporaryDir>
#include <functional>

class TModalSeam;
class TfMain;

// Runs the whole program in this process, from start-up to its exit code, with the modal
// dialogs answered by the seam. The script runs once the main window is shown and active; when it
// does not end the program itself, the message loop is left without closing the window (and a
// guard ends a program that hangs after ten seconds, failing the test).
int RunProgram(TModalSeam& seam, const std::function<void(TfMain&)>& script);

// Moves the process into a temporary working directory for the test's lifetime, so that kq.cfg
// and relative paths land there.
class InTemporaryWorkingDirectory {
public:
    InTemporaryWorkingDirectory();
    ~InTemporaryWorkingDirectory();
    QString Path(const QString& name) const { return dir_.filePath(name); }
    const QTemporaryDir& Dir() const { return dir_; }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Writes bytes to a file; answers its path.
QString WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);
// The file's permission bits; -1 when it does not exist.
int Mode(const QString& path);
