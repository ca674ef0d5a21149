#include "toolkit/Application.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QWindow>

#include "textio/ApplicationTitle.h"
#include "toolkit/DialogForm.h"
#include "toolkit/PointerShape.h"

namespace {

// The desktop's pointer, as Qt overrides it over every window of the program.
class TDesktopPointer : public TPointerShape {
public:
    bool Overridden() const override { return QGuiApplication::overrideCursor() != nullptr; }
    void Override(Qt::CursorShape shape) override
    {
        QGuiApplication::setOverrideCursor(QCursor(shape));
    }
    void Restore() override { QGuiApplication::restoreOverrideCursor(); }
};

TDesktopPointer desktopPointer;

}  // namespace

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
    InstallPointerShape(&desktopPointer);
}

TApplication::~TApplication()
{
    InstallPointerShape(nullptr);
}

int TApplication::ExecModal(QDialog& dialog)
{
    ownWindowClosed_ = false;
    const QPointer<QWidget> before = QApplication::activeWindow();
    const int result = seam_.Exec(dialog);
    ownWindowClosed_ = qobject_cast<TDialogForm*>(&dialog) != nullptr;
    // A window manager may give the focus back to the window below while the dialog still
    // blocks it; Qt then counts no window active and every key press goes nowhere.
    if (before && !QApplication::activeWindow() &&
        QGuiApplication::focusWindow() == before->windowHandle()) {
        QApplication::setActiveWindow(before);
    }
    return result;
}

bool TApplication::TakeReturnFromOwnWindow()
{
    const bool own = ownWindowClosed_;
    ownWindowClosed_ = false;
    return own;
}
