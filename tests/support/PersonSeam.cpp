#include "tests/support/PersonSeam.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

int PersonSeam::Exec(QDialog& dialog)
{
    const Shown record = Describe(dialog);
    shown.push_back(record);
    Keys keys;
    if (!answers.empty()) {
        keys = std::move(answers.front());
        answers.pop_front();
    }
    QTimer poll;
    poll.setInterval(5);
    QElapsedTimer shownInactive;
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
        if (!dialog.isVisible() || QApplication::activeModalWidget() != &dialog) {
            return;
        }
        if (!dialog.isActiveWindow()) {
            // Without a window manager nothing hands the activation to a modal dialog that a
            // late activation of the window beneath took back; a person would click it.
            if (!shownInactive.isValid()) {
                shownInactive.start();
            } else if (QGuiApplication::platformName() == QLatin1String("offscreen") &&
                       shownInactive.elapsed() > 250) {
                dialog.activateWindow();
                shownInactive.invalidate();
            }
            return;
        }
        poll.stop();
        if (keys) {
            keys(dialog);
        } else {
            ADD_FAILURE() << "no answer for the " << record.kind.toStdString() << " \""
                          << (record.text.isEmpty() ? record.title : record.text).toStdString()
                          << "\"";
            dialog.reject();
        }
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&] {
        ADD_FAILURE() << "the " << record.kind.toStdString() << " was still open after 5 s";
        dialog.reject();
    });
    poll.start();
    guard.start(5000);
    return dialog.exec();
}

namespace {

// The dialog's control that has the focus: with a window manager the focus may reach the dialog
// a moment after the dialog is active, and keys sent before would go to the window beneath.
QWidget* DialogFocus(QDialog& dialog)
{
    const auto inside = [&] {
        QWidget* focus = QApplication::focusWidget();
        return focus && (focus == &dialog || dialog.isAncestorOf(focus));
    };
    return QTest::qWaitFor(inside, 2000) ? QApplication::focusWidget() : &dialog;
}

}  // namespace

PersonSeam::Keys PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    return
        [key, modifiers](QDialog& dialog) { QTest::keyClick(DialogFocus(dialog), key, modifiers); };
}

PersonSeam::Keys TypeThenReturn(const QString& text)
{
    return [text](QDialog& dialog) {
        QTest::keyClicks(DialogFocus(dialog), text);
        QTest::keyClick(DialogFocus(dialog), Qt::Key_Return);
    };
}

PersonSeam::Keys ChooseFileByKeys(const QString& path)
{
    return [path](QDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(QApplication::focusWidget(), name) << "the name box has the focus";
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(name, path);
        QTest::keyClick(name, Qt::Key_Return);
    };
}

QWidget* Focus()
{
    return QApplication::focusWidget();
}

void ChooseMenuItem(QWidget& window, int item)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isActiveWindow(); }));
    QTest::keyClick(Focus() ? Focus() : &window, Qt::Key_Alt);
    ASSERT_TRUE(qobject_cast<QMenuBar*>(Focus())) << "Alt gives the menu bar the keyboard";
    for (int i = 0; i < item; ++i) {
        QTest::keyClick(Focus(), Qt::Key_Right);
    }
    QTest::keyClick(Focus(), Qt::Key_Return);
}

bool TabTo(QWidget& window, QWidget* control)
{
    // An inactive window still takes the keys sent to it: the Tabs below tell whether it worked.
    (void)QTest::qWaitFor([&] { return window.isActiveWindow(); });
    for (int i = 0; i < 30 && Focus() != control; ++i) {
        QTest::keyClick(Focus() ? Focus() : &window, Qt::Key_Tab);
    }
    return Focus() == control;
}

QStringList ChooseFromContextMenu(QWidget& control, const QString& item)
{
    // The menu runs a loop of its own: the keys are pressed in it once it shows.
    QStringList shown;
    bool done = false;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible() || done) {
            return;
        }
        done = true;
        int items = 0;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                shown << action->text();
                ++items;
            }
        }
        for (int i = 0; i < items; ++i) {
            QTest::keyClick(menu, Qt::Key_Down);
            if (menu->activeAction() && menu->activeAction()->text().startsWith(item)) {
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        QTest::keyClick(menu, Qt::Key_Escape);
    });
    watch.start();
    QTest::keyClick(&control, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(done) << "Shift+F10 opens the context menu";
    // The keyboard comes back to the control once the closed menu has handed it on, as late as
    // a slow build reports it: the keys after it go where a person's would.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == &control; }))
        << "the keyboard is back on the control after its menu";
    return shown;
}

void ExportByKeys(QWidget& window, const QString& path)
{
    ChooseMenuItem(window, 1);
    QTest::keyClick(Focus(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Focus(), path);
    QTest::keyClick(Focus(), Qt::Key_Tab);
    QTest::keyClick(Focus(), Qt::Key_Space);
}
