#include "toolkit/Application.h"

#include <QDialog>

#include "textio/ApplicationTitle.h"

int TModalSeam::Exec(QDialog& dialog)
{
    return dialog.exec();
}

TApplication::TApplication(const QString& exeFilePath, TModalSeam& seam)
    : exeName_(exeFilePath),
      title_(QString::fromStdString(ApplicationTitle(exeFilePath.toStdString()))),
      seam_(seam)
{
}

bool TApplication::TakeOwnWindowClosed()
{
    const bool was = ownWindowClosed_;
    ownWindowClosed_ = false;
    return was;
}
