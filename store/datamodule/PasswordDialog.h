#pragma once

#include "toolkit/DialogForm.h"

class TApplication;
class TEdit;
class TGroupBox;
class TSession;
class QPushButton;

// The table password dialog: passwords typed here go to the session's list for the run.
class TPasswordDialog : public TDialogForm {
    Q_OBJECT
public:
    explicit TPasswordDialog(TSession& session);

    TGroupBox* GroupBox1;
    TEdit* Edit;
    QPushButton* AddButton;
    QPushButton* RemoveButton;
    QPushButton* RemoveAllButton;
    QPushButton* OKButton;
    QPushButton* CancelButton;

private:
    void UpdateButtons();
    void AddClick();
    void RemoveClick();
    void RemoveAllClick();
    void OKClick();

    TSession& session_;
    bool added_ = false;
};

// Runs the password dialog through the application's modal seam; false when cancelled.
bool PasswordDialog(TApplication& app, TSession& session);
