#pragma once

// The main window built without a database, in a home and working folder of the test's own,
// with the dialogs answered by a script.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

#include "app/MainWindow.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ScriptedSeam.h"
#include "toolkit/Buttons.h"
#include "toolkit/EditControls.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panels.h"
#include "toolkit/StatusBar.h"
#include "toolkit/StringGrid.h"

class MainWindow : public ::testing::Test {
protected:
    MainWindow() : app(QStringLiteral("/opt/cardovane/Cardovane"), seam), window(app) {}
    ~MainWindow() override { qputenv("HOME", home_); }

    void Import(const QString& path)
    {
        seam.Then(ChooseFile(path));
        window.BitBtn4->click();
    }
    QString Cell(int col, int row) const
    {
        return QString::fromStdString(std::string(window.SGRecordStudents->Cell(col, row)));
    }
    QString File(const QString& name, const QByteArray& bytes) const
    {
        return WriteFile(cwd.Path(name), bytes);
    }

    // A home of the test's own with a documents folder, set before the window is built.
    QByteArray home_ = qgetenv("HOME");
    QTemporaryDir home = [] {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("Documents"));
        qputenv("HOME", dir.path().toUtf8());
        return dir;
    }();
    InTemporaryWorkingDirectory cwd;
    ScriptedSeam seam;
    TApplication app;
    TfMain window;
};
