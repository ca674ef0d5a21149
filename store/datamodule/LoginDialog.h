#pragma once

#include "toolkit/DialogForm.h"

class TApplication;
class TLabel;
class TEdit;
class TPanel;
class QPushButton;

// The login dialog that connecting shows for an alias that carries a user name.
class TLoginDialog : public TDialogForm {
    Q_OBJECT
public:
    TLoginDialog(const QString& databaseName, const QString& userName);

    TPanel* Panel;
    TLabel* Label3;
    TLabel* DatabaseName;
    TEdit* UserName;
    TEdit* Password;
    QPushButton* OKButton;
    QPushButton* CancelButton;
};

// Runs the login dialog through the application's modal seam; false when cancelled.
bool LoginDialog(TApplication& app, const QString& databaseName, QString& userName,
                 QString& password);
