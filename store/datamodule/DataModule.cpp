#include "store/datamodule/DataModule.h"

#include "store/datamodule/LoginDialog.h"
#include "store/datamodule/PasswordDialog.h"
#include "store/list/StudentListQuery.h"

TfDM1::TfDM1(TApplication& app)
    : Session(QStringLiteral("Default")),
      Database1(Session, kDatabase1, kStudentAlias),
      QNames(Session)
{
    Session.onLogin = [&app](const QString& databaseName, QString& userName, QString& password) {
        return LoginDialog(app, databaseName, userName, password);
    };
    Session.onPassword = [this, &app] { return PasswordDialog(app, Session); };

    QNames.setObjectName(QStringLiteral("QNames"));
    SetUpStudentListQuery(QNames, kStudentAlias);
    DSNames.SetDataSet(&QNames);

    Database1.loginPrompt = true;
    Database1.Open();
}
