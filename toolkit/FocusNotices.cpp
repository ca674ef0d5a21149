#include "toolkit/FocusNotices.h"

#include <QFocusEvent>
#include <QObject>
#include <QWidget>

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
