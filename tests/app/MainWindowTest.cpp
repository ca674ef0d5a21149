// The main window without a database: pages, menu, reading a list into the review grid.
#include <gtest/gtest.h>

#include "tests/app/MainWindowFixture.h"

namespace {

TEST_F(MainWindow, OpensOnTheSplashPageWithoutTabs)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Cardovane Attendance"));
    EXPECT_EQ(window.PageControl1->ActivePage(), window.TSSplash);
    EXPECT_FALSE(window.PageControl1->tabBar()->isVisibleTo(&window));
    EXPECT_EQ(window.centralWidget()->size(), QSize(811, 590));
    EXPECT_EQ(window.pos(), QPoint(128, 27));
    EXPECT_EQ(window.StatusBar1->height(), 19);
    EXPECT_EQ(window.HighlightColor, 0xFFFFu);
    EXPECT_EQ(window.EditFileName->text(),
              home.path() + QStringLiteral("/Documents/ExportedStudentList1.csv"))
        << "the program's folder is not the user's to write";
    EXPECT_EQ(window.LabelProgress->text(), QStringLiteral("Import"));
    const QList<QAction*> items = window.menuBar()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Import Students List"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Export Student List"));
    EXPECT_EQ(items[2]->text(), QStringLiteral("E&xit"));
    for (QAction* item : items) {
        EXPECT_EQ(item->menu(), nullptr);
    }
    EXPECT_EQ(window.SGRecordStudents->RowCount(), 17);
    EXPECT_EQ(window.SGRecordStudents->FixedRows(), 1);
    EXPECT_EQ(Cell(0, 0), QString());
}

TEST_F(MainWindow, MenuSwitchesPagesAndKeepsTheGrid)
{
    window.SGRecordStudents->SetCell(1, 3, "corrected");
    window.ImportList1->trigger();
    EXPECT_EQ(window.PageControl1->ActivePage(), window.TSImportList);
    window.ImportList1->trigger();
    EXPECT_EQ(window.PageControl1->ActivePage(), window.TSImportList);
    window.ExportStudentList1->trigger();
    EXPECT_EQ(window.PageControl1->ActivePage(), window.TSExport);
    window.ImportList1->trigger();
    EXPECT_EQ(Cell(1, 3), QStringLiteral("corrected"));
    window.MenuHandler(window.BitBtn4);  // not a menu item: nothing
    EXPECT_EQ(window.PageControl1->ActivePage(), window.TSImportList);
}

TEST_F(MainWindow, FocusMovesToTheShownPagesFirstControl)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.ImportList1->trigger();
    window.SGRecordStudents->setFocus();
    window.ExportStudentList1->trigger();
    EXPECT_EQ(QApplication::focusWidget(), window.EditFileName);
    EXPECT_EQ(window.EditFileName->Color(), 0xFFFFu);
    window.ImportList1->trigger();
    EXPECT_EQ(QApplication::focusWidget(), window.BitBtn5);
    EXPECT_EQ(window.EditFileName->Color(), clWindow);
}

TEST_F(MainWindow, ThreeLinesCountInThePanelAndFillTheGrid)
{
    const QString path = File(QStringLiteral("three.csv"), "1,Ann,Lee\r\n2,Bob,Ray\r\n3,Cy,Oz\r\n");
    QSignalSpy panel(window.StatusBar1, &TStatusBar::PanelTextChanged);
    Import(path);
    QStringList shown;
    for (const QList<QVariant>& change : panel) {
        shown << change.at(1).toString();
    }
    EXPECT_EQ(shown, (QStringList{"2", "3", "4"}));
    EXPECT_EQ(window.SGRecordStudents->RowCount(), 4);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("IDNum"));
    EXPECT_EQ(Cell(1, 0), QStringLiteral("Firstname"));
    EXPECT_EQ(Cell(2, 0), QStringLiteral("Lastname"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("Bob"));
    EXPECT_EQ(Cell(2, 3), QStringLiteral("Oz"));
    // The view shows the titles as its heading and the lines as its rows.
    EXPECT_EQ(window.SGRecordStudents->model()->rowCount(), 3);
    EXPECT_EQ(window.SGRecordStudents->model()->headerData(0, Qt::Horizontal).toString(),
              QStringLiteral("IDNum"));
    EXPECT_TRUE(seam.MessageTexts().isEmpty());
    // The dialog opens on the file chosen the time before.
    Import(path);
    EXPECT_EQ(window.OpenDialog1.FileName(), path);
}

TEST_F(MainWindow, MissingFileShowsTheErrorAndWritesTheTitles)
{
    Import(cwd.Path(QStringLiteral("typed-name.csv")));
    ASSERT_EQ(seam.MessageTexts(), QStringList{QStringLiteral("File not found.")});
    EXPECT_EQ(seam.shown.back().title, app.Title());
    EXPECT_EQ(seam.shown.back().icon, QMessageBox::Critical);
    EXPECT_EQ(Cell(2, 0), QStringLiteral("Lastname"));
    EXPECT_EQ(window.SGRecordStudents->RowCount(), 17);
    EXPECT_EQ(window.StatusBar1->PanelText(0), QString());
}

TEST_F(MainWindow, CancelledDialogChangesNothing)
{
    seam.Then(Cancel());
    window.BitBtn4->click();
    EXPECT_EQ(Cell(0, 0), QString());
    EXPECT_EQ(window.SGRecordStudents->RowCount(), 17);
    EXPECT_TRUE(seam.MessageTexts().isEmpty());
}

TEST_F(MainWindow, EmptyFileTurnsTheTitleRowIntoAnOrdinaryRowForGood)
{
    Import(File(QStringLiteral("empty.csv"), ""));
    EXPECT_EQ(window.SGRecordStudents->RowCount(), 1);
    EXPECT_EQ(window.SGRecordStudents->FixedRows(), 0);
    EXPECT_EQ(window.SGRecordStudents->model()->rowCount(), 1);
    EXPECT_TRUE(
        window.SGRecordStudents->model()->flags(window.SGRecordStudents->model()->index(0, 0)) &
        Qt::ItemIsEditable);
    Import(File(QStringLiteral("five.csv"), "a\nb\nc\nd\ne\n"));
    EXPECT_EQ(window.SGRecordStudents->RowCount(), 6);
    EXPECT_EQ(window.SGRecordStudents->FixedRows(), 0);
    EXPECT_EQ(Cell(2, 5), QStringLiteral("e"));
}

TEST_F(MainWindow, AShorterListHidesTheRowsBeyondIt)
{
    QByteArray ten;
    for (int i = 1; i <= 10; ++i) {
        ten += QByteArray::number(i) + ",F" + QByteArray::number(i) + ",L\n";
    }
    Import(File(QStringLiteral("ten.csv"), ten));
    Import(File(QStringLiteral("four.csv"), "a,b,c\nd,e,f\ng,h,i\nj,k,l"));
    EXPECT_EQ(window.SGRecordStudents->RowCount(), 5);
    EXPECT_EQ(Cell(0, 4), QStringLiteral("j"));
    EXPECT_EQ(Cell(0, 5), QStringLiteral("5"));  // hidden, not cleared
    EXPECT_EQ(window.SGRecordStudents->model()->rowCount(), 4);
}

TEST_F(MainWindow, CellTextsAreUtf8AndOtherBytesWindows1252)
{
    Import(File(QStringLiteral("enc.csv"),
                "\xEF\xBB\xBF"
                "1,Ren\xC3\xA9"
                "e,Lee\r\n2,Ren\xE9"
                "e,M\xFC"
                "ller\r\n"));
    EXPECT_EQ(Cell(0, 1), QStringLiteral("1"));
    EXPECT_EQ(Cell(1, 1), QString::fromUtf8("Ren\xC3\xA9"
                                            "e"));
    EXPECT_EQ(Cell(1, 2), QString::fromUtf8("Ren\xC3\xA9"
                                            "e"));
    EXPECT_EQ(Cell(2, 2), QString::fromUtf8("M\xC3\xBC"
                                            "ller"));
}

TEST_F(MainWindow, BadInputNeverStopsTheWindow)
{
    Import(File(QStringLiteral("nul.csv"), QByteArray("1,A\0n,Lee\n", 10)));
    EXPECT_EQ(window.SGRecordStudents->RowCount(), 2);
    Import(File(QStringLiteral("long.csv"), QByteArray(5 * 1024 * 1024, 'x')));
    EXPECT_EQ(window.SGRecordStudents->RowCount(), 2);
    EXPECT_EQ(window.SGRecordStudents->Cell(2, 1).size(), 5u * 1024u * 1024u);
    Import(File(QStringLiteral("crs.csv"), "1,a,b\r2,c,d\r3,e,f\r"));
    EXPECT_EQ(window.SGRecordStudents->RowCount(), 2);
    EXPECT_EQ(Cell(2, 1), QStringLiteral("b2,c,d3,e,f"));
    Import(File(QStringLiteral("ctrlz.csv"),
                "1,a,b\r\n2,c\x1a"
                "d\r\n3,e,f\r\n"));
    EXPECT_EQ(window.SGRecordStudents->RowCount(), 3);
    EXPECT_EQ(Cell(2, 2), QStringLiteral("c"));
    QDir(cwd.Dir().path()).mkdir(QStringLiteral("folder.csv"));
    Import(cwd.Path(QStringLiteral("folder.csv")));
    EXPECT_EQ(seam.MessageTexts(), QStringList{QStringLiteral("File access denied.")});
}

TEST_F(MainWindow, EditEnterAndExitFollowTheKindOfControl)
{
    window.EditEnter(window.EditFileName);
    EXPECT_EQ(window.EditFileName->Color(), 0xFFFFu);
    EXPECT_EQ(window.EditFileName->palette().color(QPalette::Base), QColor(255, 255, 0));
    window.EditExit(window.EditFileName);
    EXPECT_EQ(window.EditFileName->Color(), clWindow);
    EXPECT_EQ(window.EditFileName->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Base));

    TBitBtn glyphButton;
    QFont italic = glyphButton.font();
    italic.setItalic(true);
    glyphButton.setFont(italic);
    window.EditEnter(&glyphButton);
    EXPECT_TRUE(glyphButton.font().bold());
    EXPECT_FALSE(glyphButton.font().italic());
    window.EditExit(&glyphButton);
    EXPECT_FALSE(glyphButton.font().bold());
    EXPECT_FALSE(glyphButton.font().italic());

    QPushButton plain;
    plain.setFont(italic);
    window.EditEnter(&plain);
    EXPECT_TRUE(plain.font().italic());
    EXPECT_FALSE(plain.font().bold());
    QListWidget list;
    const QPalette before = list.palette();
    window.EditEnter(&list);
    window.EditExit(&list);
    EXPECT_EQ(list.palette(), before);
    EXPECT_FALSE(list.testAttribute(Qt::WA_SetPalette));

    window.EditEnter(window.Memo2);
    EXPECT_EQ(window.Memo2->Color(), 0xFFFFu);
    window.EditExit(window.Memo2);
    EXPECT_EQ(window.Memo2->Color(), clWhite);
    window.EditEnter(window.SGRecordStudents);
    window.EditExit(window.SGRecordStudents);
    EXPECT_EQ(window.SGRecordStudents->Color(), clWhite);
}

TEST_F(MainWindow, EditFileNameHighlightsOnClickAndTab)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.ExportStudentList1->trigger();
    window.BitBtn8->setFocus();
    EXPECT_EQ(window.EditFileName->Color(), clWindow);
    QTest::mouseClick(window.EditFileName, Qt::LeftButton);
    EXPECT_EQ(window.EditFileName->Color(), 0xFFFFu);
    QTest::keyClick(window.EditFileName, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.BitBtn8);
    EXPECT_EQ(window.EditFileName->Color(), clWindow);
    EXPECT_FALSE(window.BitBtn8->font().bold()) << "only EditFileName has the handlers";
    QTest::keyClick(window.BitBtn8, Qt::Key_Backtab);
    EXPECT_EQ(window.EditFileName->Color(), 0xFFFFu);
}

}  // namespace
