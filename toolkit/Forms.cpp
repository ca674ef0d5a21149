#include "toolkit/Forms.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QScreen>

#include "toolkit/TApplication.h"

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

namespace {

class FocusNotices : public QObject {
public:
    FocusNotices(QWidget* control, std::function<void(QWidget*)> onEnter,
                 std::function<void(QWidget*)> onExit)
        : QObject(control), onEnter_(std::move(onEnter)), onExit_(std::move(onExit))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) {
            return false;
        }
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
            return false;
        }
        auto* control = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::FocusIn) {
            onEnter_(control);
        } else {
            onExit_(control);
        }
        return false;
    }

private:
    std::function<void(QWidget*)> onEnter_;
    std::function<void(QWidget*)> onExit_;
};

}  // namespace

void AttachFocusNotices(QWidget* control, std::function<void(QWidget*)> onEnter,
                        std::function<void(QWidget*)> onExit)
{
    new FocusNotices(control, std::move(onEnter), std::move(onExit));
}
