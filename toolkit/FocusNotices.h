#pragma once

#include <functional>

class QWidget;

// Calls onEnter when control becomes its window's focus control and onExit when another control
// of the window takes that place. A window losing or regaining activation, or the menu bar
// borrowing the keyboard, is no focus change; a control that the window gives the focus to as
// it is activated has received it.
void AttachFocusNotices(QWidget* control, std::function<void(QWidget*)> onEnter,
                        std::function<void(QWidget*)> onExit);
