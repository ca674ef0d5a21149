#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

#include "toolkit/Application.h"

// A seam that keeps what each dialog it was handed showed, in order.
class RecordingSeam : public TModalSeam {
public:
    struct Shown {
        QString kind;   // the dialog's class
        QString title;  // its window title
        QString text;   // a message box's text
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };
    // What a person sees of a dialog: its kind, title and a message box's text and icon.
    static Shown Describe(QDialog& dialog);

    // How many dialogs of the kind came; the texts of the message boxes, in order.
    int CountOf(const QString& kind) const;
    QStringList MessageTexts() const;

    std::vector<Shown> shown;
};

// Answers the program's modal dialogs in place of a person, in the order they come, and keeps
// what each one showed. A dialog with no answer left is rejected (a message box: OK).
class ScriptedSeam : public RecordingSeam {
public:
    using Answer = std::function<int(QDialog&)>;

    int Exec(QDialog& dialog) override;

    void Then(Answer answer) { answers.push_back(std::move(answer)); }

    std::deque<Answer> answers;
};

// Answers for the common dialogs.
ScriptedSeam::Answer ChooseFile(const QString& path);
ScriptedSeam::Answer Cancel();
ScriptedSeam::Answer Login(const QString& userName, const QString& password);
ScriptedSeam::Answer PressButton(QMessageBox::StandardButton button);

// Readable failures for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* os)
{
    *os << '[' << texts.join(QStringLiteral("\", \"")).toStdString() << ']';
}
