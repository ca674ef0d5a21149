// A stored list of many more records than stay in memory, paged through by the keyboard in the
// window's grid: every record shown once, in order, as the list stood when it was opened.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QSignalSpy>
#include <QSplitterHandle>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include "app/MainWindow.h"
#include "store/datamodule/DataModule.h"
#include "store/datamodule/LoginDialog.h"
#include "store/datamodule/PasswordDialog.h"
#include "tests/support/PersonSeam.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestDatabase.h"
#include "toolkit/Buttons.h"
#include "toolkit/DBGrid.h"
#include "toolkit/EditControls.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panels.h"
#include "toolkit/Splitter.h"
#include "toolkit/StatusBar.h"
#include "toolkit/StringGrid.h"

namespace {

// A list of many more records than stay in memory, paged through by the keyboard.
class LargeList : public OnEachBackend {
protected:
    // Checks the rows in view against the list's studentids; answers the first wrong one.
    static std::string CheckShownRows(TDBGrid& grid, const QStringList& ids,
                                      std::vector<char>& seen)
    {
        const int last = grid.rowAt(grid.viewport()->height() - 1);
        for (int row = std::max(grid.rowAt(0), 0);
             row <= (last < 0 ? grid.model()->rowCount() - 1 : last); ++row) {
            const QString shown = grid.model()->index(row, 2).data().toString();
            if (shown != ids.value(row)) {
                return "row " + std::to_string(row) + " shows '" + shown.toStdString() + "'";
            }
            seen[std::size_t(row)] = 1;
        }
        return {};
    }

    InTemporaryWorkingDirectory cwd;
    PersonSeam seam;
};

TEST_P(LargeList, PagingToTheEndAndBackShowsEveryRecordOnceInOrderAsOfTheOpening)
{
    constexpr int kStudents = 200000;
    TestDatabase db(GetParam(), {});
    db.InsertNumberedStudents(kStudents);
    QStringList ids;
    for (const QString& row : db.Rows()) {
        ids << row.section(QLatin1Char('|'), 2, 2);
    }
    const int code = RunProgram(seam, [&](TfMain& w) {
        ChooseMenuItem(w, 0);
        TDBGrid& grid = *w.DBGrid3;
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.visualRect(grid.model()->index(0, 0)).center());
        // Another office posts while the list is open: one student sorts first, one last.
        db.Insert("('aaaa', 1, 'new1', 'A', 'A'), ('zzzz', 1, 'new2', 'Z', 'Z')");
        for (const auto key : {Qt::Key_PageDown, Qt::Key_PageUp}) {
            std::vector<char> seen(kStudents);
            std::string wrong;
            const int end = key == Qt::Key_PageDown ? kStudents - 1 : 0;
            for (int presses = 0;
                 wrong.empty() && grid.currentIndex().row() != end && presses < kStudents;
                 ++presses) {
                QTest::keyClick(&grid, key);
                wrong = CheckShownRows(grid, ids, seen);
            }
            EXPECT_EQ(wrong, "");
            EXPECT_EQ(grid.currentIndex().row(), end);
            EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), kStudents);
            EXPECT_EQ(grid.model()->rowCount(), kStudents) << "no record shown twice or added";
        }
        // The students posted meanwhile show once the list is opened again.
        w.DataModule()->QNames.Close();
        w.DataModule()->QNames.Open();
        QTest::keyClick(&grid, Qt::Key_End);
        EXPECT_EQ(grid.model()->rowCount(), kStudents + 2);
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(seam.shown.size(), 0u) << seam.shown.front().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Store, LargeList, ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

}  // namespace
