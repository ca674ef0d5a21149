#include "store/datamodule/PasswordDialog.h"

#include <QPushButton>

#include "store/engine/Session.h"
#include "toolkit/Application.h"
#include "toolkit/Buttons.h"
#include "toolkit/DialogForm.h"
#include "toolkit/EditControls.h"
#include "toolkit/Panels.h"

TPasswordDialog::TPasswordDialog(TSession& session) : TDialogForm(nullptr), session_(session)
{
    setObjectName(QStringLiteral("PasswordDialog"));
    setWindowTitle(tr("Enter password"));
    setFixedSize(261, 143);

    GroupBox1 = new TGroupBox(this);
    GroupBox1->setTitle(tr("Password"));
    GroupBox1->setGeometry(8, 6, 245, 92);
    Edit = new TEdit(GroupBox1);
    Edit->SetPasswordChar(QLatin1Char('*'));
    Edit->setGeometry(12, 24, 221, 21);
    AddButton = new TButton(tr("&Add"), GroupBox1);
    AddButton->setGeometry(12, 56, 70, 25);
    RemoveButton = new TButton(tr("&Remove"), GroupBox1);
    RemoveButton->setGeometry(87, 56, 70, 25);
    RemoveAllButton = new TButton(tr("Re&move all"), GroupBox1);
    RemoveAllButton->setGeometry(162, 56, 71, 25);

    OKButton = new TButton(tr("&OK"), this);
    OKButton->setGeometry(97, 108, 75, 25);
    OKButton->setDefault(true);
    CancelButton = new TButton(tr("Cancel"), this);
    CancelButton->setGeometry(178, 108, 75, 25);

    connect(Edit, &QLineEdit::textChanged, this, &TPasswordDialog::UpdateButtons);
    connect(AddButton, &QPushButton::clicked, this, &TPasswordDialog::AddClick);
    connect(RemoveButton, &QPushButton::clicked, this, &TPasswordDialog::RemoveClick);
    connect(RemoveAllButton, &QPushButton::clicked, this, &TPasswordDialog::RemoveAllClick);
    connect(OKButton, &QPushButton::clicked, this, &TPasswordDialog::OKClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    UpdateButtons();
    Edit->setFocus();
}

void TPasswordDialog::UpdateButtons()
{
    const bool typed = !Edit->text().isEmpty();
    AddButton->setEnabled(typed);
    RemoveButton->setEnabled(typed);
    OKButton->setEnabled(typed || added_);
    RemoveAllButton->setEnabled(true);
}

void TPasswordDialog::AddClick()
{
    session_.AddPassword(Edit->text());
    added_ = true;
    Edit->clear();
    Edit->setFocus();
    UpdateButtons();
}

void TPasswordDialog::RemoveClick()
{
    session_.RemovePassword(Edit->text());
    Edit->clear();
    Edit->setFocus();
}

void TPasswordDialog::RemoveAllClick()
{
    session_.RemoveAllPasswords();
}

void TPasswordDialog::OKClick()
{
    if (!Edit->text().isEmpty()) {
        session_.AddPassword(Edit->text());
    }
    accept();
}

bool PasswordDialog(TApplication& app, TSession& session)
{
    TPasswordDialog dialog(session);
    return app.ExecModal(dialog) == QDialog::Accepted;
}

#include "moc_PasswordDialog.cpp"
