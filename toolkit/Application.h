#pragma once

#include <QString>

class QDialog;

// Every modal dialog of the program runs through this seam, so that tests can answer the
// dialog that the program built instead of a person.
class TModalSeam {
public:
    virtual ~TModalSeam() = default;
    virtual int Exec(QDialog& dialog);
};

// The application object: its title and the way its modal dialogs run.
class TApplication {
public:
    TApplication(const QString& exeFilePath, TModalSeam& seam);

    const QString& Title() const { return title_; }
    const QString& ExeName() const { return exeName_; }
    int ExecModal(QDialog& dialog) { return seam_.Exec(dialog); }

    // Set when a window that the program built itself (a login or password dialog) closes: the
    // main window's next activation then counts as the focus coming back to it.
    void NoteOwnWindowClosed() { ownWindowClosed_ = true; }
    bool TakeOwnWindowClosed();

private:
    QString exeName_;
    QString title_;
    TModalSeam& seam_;
    bool ownWindowClosed_ = false;
};
