#pragma once

#include <QString>

#include "textio/ErrorDisplay.h"

class QDialog;

// Every modal dialog of the program runs through this seam, so that tests can answer the
// dialog that the program built instead of a person.
class TModalSeam {
public:
    virtual ~TModalSeam() = default;
    virtual int Exec(QDialog& dialog);
};

// The application object: its title, the way its modal dialogs run, and which of them the focus
// comes back from. It draws the designed font with a family of close widths.
class TApplication : public TModalHost {
public:
    // Installs the desktop's pointer shape for the object's life.
    TApplication(const QString& exeFilePath, TModalSeam& seam);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    const QString& Title() const override { return title_; }
    const QString& ExeName() const override { return exeName_; }
    int ExecModal(QDialog& dialog) override;

    // Whether the last modal window to close was one that the program built itself (a login
    // or password dialog), so that the main window being activated now has the focus back from
    // it; a message box or a file dialog closing after it says no. The answer is given once.
    bool TakeReturnFromOwnWindow();

private:
    QString exeName_;
    QString title_;
    TModalSeam& seam_;
    bool ownWindowClosed_ = false;
    void (*previousPipeAction_)(int) = nullptr;
};
