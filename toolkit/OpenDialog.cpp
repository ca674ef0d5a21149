#include "toolkit/OpenDialog.h"

#include <QFileDialog>

#include "toolkit/Application.h"

bool TOpenDialog::Execute(TApplication& app)
{
    QFileDialog dialog(owner_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setSizeGripEnabled(true);
    if (!fileName_.isEmpty()) {
        dialog.selectFile(fileName_);
    }
    if (app.ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    fileName_ = dialog.selectedFiles().constFirst();
    return true;
}
