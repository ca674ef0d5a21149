#include "toolkit/Application.h"

#include <QDialog>
#include <QFont>

#include "textio/ApplicationTitle.h"
#include "toolkit/DialogForm.h"

int TModalSeam::Exec(QDialog& dialog)
{
    return dialog.exec();
}

TApplication::TApplication(const QString& exeFilePath, TModalSeam& seam)
    : exeName_(exeFilePath),
      title_(QString::fromStdString(ApplicationTitle(exeFilePath.toStdString()))),
      seam_(seam)
{
    // The designed face is not on this platform; the metric-compatible Liberation family keeps
    // the widths close enough for every text to fit where it was laid out.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

int TApplication::ExecModal(QDialog& dialog)
{
    ownWindowClosed_ = false;
    const int result = seam_.Exec(dialog);
    ownWindowClosed_ = qobject_cast<TDialogForm*>(&dialog) != nullptr;
    return result;
}

bool TApplication::TakeReturnFromOwnWindow()
{
    const bool own = ownWindowClosed_;
    ownWindowClosed_ = false;
    return own;
}
