// The pages as a person sees them, drawn and read back: their controls, margins, bevels and
// colours, with screenshots kept for a look.
#include "tests/app/MainWindowFixture.h"

namespace {

TEST_F(MainWindow, PagesAsTheUserSeesThem)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.ImportList1->trigger();
    Import(File(QStringLiteral("three.csv"), "1001,Ann,Lee\r\n1002,Bob,Ray\r\n1003,Cy,Oz\r\n"));
    const QImage importPage = window.grab().toImage();
    // Every help text shows whole at the designed size: its end lies inside its box.
    for (TMemo* memo : {window.Memo2, window.Memo3, window.Memo5}) {
        QTextCursor end(memo->document());
        end.movePosition(QTextCursor::End);
        EXPECT_LE(memo->cursorRect(end).bottom(), memo->viewport()->height())
            << memo->toPlainText().toStdString();
        EXPECT_LE(memo->cursorRect(end).right(), memo->viewport()->width());
    }
    importPage.save(QStringLiteral("%1/import-page.png").arg(QStringLiteral(SCREENSHOT_DIR)));

    window.BitBtn4->setFocus();  // the user clicked "Import List"
    window.ExportStudentList1->trigger();
    ASSERT_EQ(QApplication::focusWidget(), window.EditFileName);
    const QImage optionsPage = window.grab().toImage();
    optionsPage.save(QStringLiteral("%1/options-page.png").arg(QStringLiteral(SCREENSHOT_DIR)));
    // The field is drawn in yellow while it has the focus.
    const QPoint inField = window.EditFileName->mapTo(
        &window, QPoint(window.EditFileName->width() - 8, window.EditFileName->height() / 2));
    EXPECT_EQ(optionsPage.pixelColor(inField * optionsPage.devicePixelRatio()),
              QColor(255, 255, 0));
    const QPoint inGroup =
        window.GroupBox2->mapTo(&window, QPoint(window.GroupBox2->width() / 2, 90));
    EXPECT_NE(optionsPage.pixelColor(inGroup * optionsPage.devicePixelRatio()),
              QColor(255, 255, 0));
}

// Alt, Right to the item, Return: the menu bar by the keyboard.
void ChooseMenuItemByKeys(TfMain& window, int item)
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &window, Qt::Key_Alt);
    for (int i = 0; i < item; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

TEST_F(MainWindow, TheImportPagesButtonKeepsItsMarginsAndFollowsTheHalf)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ChooseMenuItemByKeys(window, 0);
    ASSERT_TRUE(window.TSImportList->isVisible());
    EXPECT_EQ(window.BitBtn5->geometry(), QRect(9, 42, 448, 25)) << "at the designed size";
    const int rightMargin = window.Panel28->width() - window.BitBtn5->geometry().right();
    window.resize(window.width() + 120, window.height());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.BitBtn5->width() != 448; }));
    EXPECT_EQ(window.BitBtn5->x(), 9);
    EXPECT_EQ(window.Panel28->width() - window.BitBtn5->geometry().right(), rightMargin);
}

TEST_F(MainWindow, TheSplashPanelHasALoweredOuterAndARaisedInnerBevel)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QImage panel = window.Panel6->grab().toImage();
    panel.save(QStringLiteral("%1/splash-panel.png").arg(QStringLiteral(SCREENSHOT_DIR)));
    const QRgb light = window.Panel6->palette().color(QPalette::Light).rgb();
    const QRgb dark = window.Panel6->palette().color(QPalette::Dark).rgb();
    const int r = panel.width() - 1;
    const int b = panel.height() - 1;
    const int y = panel.height() / 2;
    const int x = panel.width() / 2;
    // Outer: dark above and left, light below and right; inner the other way round.
    EXPECT_EQ(panel.pixel(0, y), dark);
    EXPECT_EQ(panel.pixel(x, 0), dark);
    EXPECT_EQ(panel.pixel(r, y), light);
    EXPECT_EQ(panel.pixel(x, b), light);
    EXPECT_EQ(panel.pixel(1, y), light);
    EXPECT_EQ(panel.pixel(x, 1), light);
    EXPECT_EQ(panel.pixel(r - 1, y), dark);
    EXPECT_EQ(panel.pixel(x, b - 1), dark);
    EXPECT_EQ(window.Image1->geometry().topLeft(), QPoint(2, 2)) << "inside both bevels";
}

TEST_F(MainWindow, TheExportPathFollowsTheDesktopsWindowColourAfterLeavingIt)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ChooseMenuItemByKeys(window, 1);
    QTest::mouseClick(window.EditFileName, Qt::LeftButton);
    ASSERT_EQ(window.EditFileName->Color(), 0xFFFFu);
    QTest::keyClick(window.EditFileName, Qt::Key_Tab);  // leaves it: the system window colour
    ASSERT_EQ(window.EditFileName->Color(), clWindow);
    // The desktop changes the colours of its entry fields, as a theme change does.
    const QPalette before = QApplication::palette("QLineEdit");
    QPalette desktop = before;
    desktop.setColor(QPalette::Base, QColor(20, 40, 60));
    QApplication::setPalette(desktop, "QLineEdit");
    const QColor shown = window.EditFileName->palette().color(QPalette::Base);
    const QImage field = window.EditFileName->grab().toImage();
    QApplication::setPalette(before, "QLineEdit");
    EXPECT_EQ(shown, QColor(20, 40, 60));
    EXPECT_EQ(field.pixelColor(field.width() - 6, field.height() / 2), QColor(20, 40, 60));
}

}  // namespace
