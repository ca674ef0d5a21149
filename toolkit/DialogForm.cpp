#include "toolkit/DialogForm.h"

#include <QGuiApplication>
#include <QScreen>

#include "toolkit/Application.h"

TDialogForm::TDialogForm(TApplication& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
}

void TDialogForm::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TDialogForm::hideEvent(QHideEvent* event)
{
    app_.NoteOwnWindowClosed();
    QDialog::hideEvent(event);
}
