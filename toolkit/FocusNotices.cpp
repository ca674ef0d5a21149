#include "toolkit/FocusNotices.h"

#include <QApplication>
#include <QMenuBar>
#include <QObject>
#include <QWidget>

namespace {

class FocusNotices : public QObject {
public:
    FocusNotices(QWidget* control, std::function<void(QWidget*)> onEnter,
                 std::function<void(QWidget*)> onExit)
        : QObject(control), onEnter_(std::move(onEnter)), onExit_(std::move(onExit))
    {
        // Any focus change of the program may change which control is its window's focus
        // control, also where this control itself hears of none (the menu bar held the focus).
        connect(qApp, &QApplication::focusChanged, this, [this, control] { Update(control); });
    }

private:
    // A control is entered while it is its window's focus control: the window losing or
    // regaining activation, or the menu bar borrowing the keyboard, changes nothing, and a
    // control that the window hands the focus to as it is activated is entered.
    void Update(QWidget* control)
    {
        QWidget* focus = control->window()->focusWidget();
        if (qobject_cast<QMenuBar*>(focus)) {
            return;
        }
        const bool entered = focus == control;
        if (entered == entered_) {
            return;
        }
        entered_ = entered;
        if (entered) {
            onEnter_(control);
        } else {
            onExit_(control);
        }
    }

    bool entered_ = false;
    std::function<void(QWidget*)> onEnter_;
    std::function<void(QWidget*)> onExit_;
};

}  // namespace

void AttachFocusNotices(QWidget* control, std::function<void(QWidget*)> onEnter,
                        std::function<void(QWidget*)> onExit)
{
    new FocusNotices(control, std::move(onEnter), std::move(onExit));
}
