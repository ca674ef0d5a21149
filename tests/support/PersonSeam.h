#pragma once

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>

#include "tests/support/ScriptedSeam.h"
#include "toolkit/Application.h"

// Runs the program's modal dialogs for real, as a person meets them: each is shown, and once it
// is the active modal window the next answer presses keys in it. A dialog with no answer left,
// or still open five seconds after it showed, is closed and fails the test.
class PersonSeam : public RecordingSeam {
public:
    using Keys = std::function<void(QDialog&)>;

    int Exec(QDialog& dialog) override;
    void Then(Keys keys) { answers.push_back(std::move(keys)); }

    std::deque<Keys> answers;
};

// Answers made of key presses.
PersonSeam::Keys PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types the text into the control that has the focus, then presses Return.
PersonSeam::Keys TypeThenReturn(const QString& text);
// Types a path into the file dialog's name box and presses Return.
PersonSeam::Keys ChooseFileByKeys(const QString& path);

// The window as a person works it, outside the dialogs.
// The control that has the keyboard; null when none has.
QWidget* Focus();
// Alt, then Right to the item, then Return: the menu bar worked by the keyboard alone.
void ChooseMenuItem(QWidget& window, int item);
// Tab until the control has the focus, as a person would; false when it never comes.
bool TabTo(QWidget& window, QWidget* control);
// "Export Student List" from the menu bar, the path typed over the one shown, then the export's
// button, all by the keyboard.
void ExportByKeys(QWidget& window, const QString& path);
// Opens the control's context menu by Shift+F10, reads its items, and goes Down to the first
// whose text starts with `item` and presses Return (Escape when there is none). Answers the
// items' texts as the menu showed them, separators left out.
QStringList ChooseFromContextMenu(QWidget& control, const QString& item);
