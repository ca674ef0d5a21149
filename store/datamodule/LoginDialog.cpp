#include "store/datamodule/LoginDialog.h"

#include <QPushButton>

#include "toolkit/Application.h"
#include "toolkit/Buttons.h"
#include "toolkit/DialogForm.h"
#include "toolkit/EditControls.h"
#include "toolkit/Panels.h"

namespace {
constexpr int kMaxNameLength = 31;
}

TLoginDialog::TLoginDialog(const QString& databaseName, const QString& userName)
    : TDialogForm(nullptr)
{
    setObjectName(QStringLiteral("LoginDialog"));
    setWindowTitle(tr("Database Login"));
    setFixedSize(273, 147);

    Panel = new TPanel(this);
    Panel->setFrameShape(QFrame::Panel);
    Panel->setFrameShadow(QFrame::Sunken);
    Panel->setGeometry(8, 7, 257, 98);

    Label3 = new TLabel(Panel);
    Label3->setText(tr("Database:"));
    Label3->setGeometry(10, 6, 78, 16);
    Label3->SetElided(true);
    DatabaseName = new TLabel(Panel);
    DatabaseName->setText(databaseName);
    // A name wider than the panel is cut 5 pixels short of its right edge.
    DatabaseName->setGeometry(91, 6, Panel->width() - 91 - 5, 16);

    auto* bevel = new QFrame(Panel);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(6, 26, 245, 2);

    auto* userLabel = new TLabel(Panel);
    userLabel->setText(tr("&User Name:"));
    userLabel->setGeometry(10, 38, 78, 16);
    userLabel->SetElided(true);
    UserName = new TEdit(Panel);
    UserName->setMaxLength(kMaxNameLength);
    UserName->setGeometry(91, 35, 153, 21);
    UserName->setText(userName);
    userLabel->setBuddy(UserName);

    auto* passwordLabel = new TLabel(Panel);
    passwordLabel->setText(tr("&Password:"));
    passwordLabel->setGeometry(10, 66, 78, 16);
    passwordLabel->SetElided(true);
    Password = new TEdit(Panel);
    Password->setMaxLength(kMaxNameLength);
    Password->SetPasswordChar(QLatin1Char('*'));
    Password->setGeometry(91, 63, 153, 21);
    passwordLabel->setBuddy(Password);

    OKButton = new TButton(tr("&OK"), this);
    OKButton->setGeometry(109, 114, 75, 25);
    OKButton->setDefault(true);
    CancelButton = new TButton(tr("Cancel"), this);
    CancelButton->setGeometry(190, 114, 75, 25);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    (UserName->text().isEmpty() ? UserName : Password)->setFocus();
}

bool LoginDialog(TApplication& app, const QString& databaseName, QString& userName,
                 QString& password)
{
    TLoginDialog dialog(databaseName, userName);
    if (app.ExecModal(dialog) != QDialog::Accepted) {
        return false;
    }
    userName = dialog.UserName->text();
    password = dialog.Password->text();
    return true;
}

#include "moc_LoginDialog.cpp"
