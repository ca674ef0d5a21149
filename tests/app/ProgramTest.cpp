// The whole program, start-up to exit code, on a real SQLite student database.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/MainWindow.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ScriptedSeam.h"
#include "tests/support/TestDatabase.h"
#include "toolkit/Application.h"
#include "toolkit/EditControls.h"

namespace {

class Program : public ::testing::Test {
protected:
    QString DefaultExportPath() const
    {
        return QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() +
               QStringLiteral("/ExportedStudentList1.csv");
    }

    InTemporaryWorkingDirectory cwd;
    TestDatabase db{Backend::SQLite, {}};
    ScriptedSeam seam;
};

TEST_F(Program, FirstStartCreatesTheSettingsFileAndExitWritesIt)
{
    QByteArray atStart;
    const int code = RunProgram(seam, [&](TfMain& w) {
        atStart = ReadFile(cwd.Path(QStringLiteral("kq.cfg")));
        EXPECT_EQ(w.EditFileName->text(), DefaultExportPath());
        w.Exit1->trigger();
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(atStart, QByteArray("[FacilityName] = Write facility name here\r\n"));
    EXPECT_EQ(ReadFile(cwd.Path(QStringLiteral("kq.cfg"))),
              "[FacilityName] = " + DefaultExportPath().toUtf8() + "\r\n");
    EXPECT_TRUE(seam.shown.empty());
}

TEST_F(Program, CloseBoxEndsLikeExitAndWhatTheFileHeldIsNeverShown)
{
    WriteFile(cwd.Path(QStringLiteral("kq.cfg")),
              "junk\r\n[FacilityName] = first\r\n[FacilityName] = /x/last.csv\r\n");
    const int code = RunProgram(seam, [&](TfMain& w) {
        EXPECT_EQ(w.EditFileName->text(), DefaultExportPath());
        w.EditFileName->setText(QStringLiteral("/home/office/students.csv"));
        w.close();
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(cwd.Path(QStringLiteral("kq.cfg"))),
              QByteArray("[FacilityName] = /home/office/students.csv\r\n"));
}

TEST_F(Program, ASettingsFileThatCannotBeWrittenKeepsTheWindowUntilTheUserLeaves)
{
    // A folder named kq.cfg is no settings file: it can be neither created nor written.
    QDir(cwd.Dir().path()).mkdir(QStringLiteral("kq.cfg"));
    seam.Then(PressButton(QMessageBox::Ok));   // the read step's error, before the window
    seam.Then(PressButton(QMessageBox::Ok));   // the first close's error
    seam.Then(PressButton(QMessageBox::No));   // stay
    seam.Then(PressButton(QMessageBox::Ok));   // the second close's error
    seam.Then(PressButton(QMessageBox::Yes));  // leave without the setting
    bool stayed = false;
    const int code = RunProgram(seam, [&](TfMain& w) {
        EXPECT_EQ(w.HighlightColor, 0xFFFFu) << "start-up goes on after the read error";
        EXPECT_EQ(w.EditFileName->text(), DefaultExportPath());
        w.close();
        stayed = w.isVisible();
        w.close();
    });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(code, 0);
    const QStringList texts = seam.MessageTexts();
    ASSERT_EQ(texts.size(), 5);
    EXPECT_EQ(texts[0], QStringLiteral("File access denied."));
    EXPECT_EQ(texts[1], QStringLiteral("File access denied."));
    EXPECT_TRUE(texts[2].contains(QStringLiteral("without saving")));
}

TEST_F(Program, ClosingWritesOnceTheCauseIsRemoved)
{
    QDir(cwd.Dir().path()).mkdir(QStringLiteral("kq.cfg"));
    seam.Then(PressButton(QMessageBox::Ok));
    seam.Then(PressButton(QMessageBox::Ok));
    seam.Then(PressButton(QMessageBox::No));
    const int code = RunProgram(seam, [&](TfMain& w) {
        w.close();
        EXPECT_TRUE(w.isVisible());
        QDir(cwd.Dir().path()).rmdir(QStringLiteral("kq.cfg"));
        w.close();
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(cwd.Path(QStringLiteral("kq.cfg"))),
              "[FacilityName] = " + DefaultExportPath().toUtf8() + "\r\n");
}

TEST_F(Program, UnknownAliasEndsStartUpWithExitCodeOne)
{
    TestDatabase::Options elsewhere;
    elsewhere.aliasName = QStringLiteral("ELSEWHERE");
    TestDatabase other(Backend::SQLite, elsewhere);  // its configuration knows no DVK
    bool windowShown = false;
    const int code = RunProgram(seam, [&](TfMain&) { windowShown = true; });
    EXPECT_EQ(code, 1);
    EXPECT_FALSE(windowShown);
    ASSERT_EQ(seam.shown.size(), 1u);
    EXPECT_EQ(seam.shown[0].title, QStringLiteral("Application Error"));
    EXPECT_TRUE(
        seam.shown[0].text.startsWith(QStringLiteral("Exception EDBEngineError in module ")))
        << seam.shown[0].text.toStdString();
    EXPECT_TRUE(seam.shown[0].text.contains(QStringLiteral("Unknown database.")));
    EXPECT_FALSE(QFileInfo(cwd.Path(QStringLiteral("kq.cfg"))).size() > 60)
        << "no settings written at a failed start";
}

TEST_F(Program, UnreadableConfigurationIsAnInitialisationFailure)
{
    qputenv("XDG_CONFIG_HOME", cwd.Path(QStringLiteral("nowhere")).toUtf8());
    const int code = RunProgram(seam, [](TfMain&) {});
    EXPECT_EQ(code, 1);
    ASSERT_EQ(seam.shown.size(), 1u);
    EXPECT_TRUE(seam.shown[0].text.contains(
        QStringLiteral("\nAn error occurred while attempting to initialize the database engine "
                       "(error $2103)\r\nNo database alias is defined: the aliases file ")))
        << seam.shown[0].text.toStdString();
    EXPECT_TRUE(seam.shown[0].text.endsWith(QStringLiteral(
        "nowhere/cardovane/aliases.conf does not exist. Create it with "
        "\"cardovane-dbadmin setup-sqlite DVK\" (or setup-postgres, for a server).")))
        << seam.shown[0].text.toStdString();
}

}  // namespace
