#include "toolkit/Application.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QWindow>
#include <csignal>
#include <cstdlib>
#include <memory>

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

// The top-level window of the program that the X server gives the keyboard to, if any.
QWidget* WindowTheDisplayFocuses()
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) {
        return nullptr;
    }
    xcb_connection_t* connection = x11->connection();
    const std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&std::free)> reply(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr),
        &std::free);
    if (!reply) {
        return nullptr;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowHandle() && w->winId() == reply->focus) {
            return w;
        }
    }
    return nullptr;
}

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
    // A write to a pipe whose reader has gone fails as an I/O error shown to the user; the
    // window goes on instead of being ended by the signal.
    previousPipeAction_ = std::signal(SIGPIPE, SIG_IGN);
}

TApplication::~TApplication()
{
    std::signal(SIGPIPE, previousPipeAction_);
    InstallPointerShape(nullptr);
}

int TApplication::ExecModal(QDialog& dialog)
{
    ownWindowClosed_ = false;
    const QPointer<QWidget> before = QApplication::activeWindow();
    const int result = seam_.Exec(dialog);
    ownWindowClosed_ = qobject_cast<TDialogForm*>(&dialog) != nullptr;
    // A window manager may give the focus back to the window below while the dialog still
    // blocks it; Qt then counts no window active, hears of no later change, and every key
    // press goes nowhere. The window that has the keyboard is made the active one.
    if (!QApplication::activeWindow()) {
        QWidget* focused = before && QGuiApplication::focusWindow() == before->windowHandle()
                               ? before.data()
                               : WindowTheDisplayFocuses();
        QWidget* modal = QApplication::activeModalWidget();
        if (focused && (!modal || modal == focused)) {
            QApplication::setActiveWindow(focused);
        }
    }
    return result;
}

bool TApplication::TakeReturnFromOwnWindow()
{
    const bool own = ownWindowClosed_;
    ownWindowClosed_ = false;
    return own;
}
