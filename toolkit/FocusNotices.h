#pragma once

#include <functional>

class QWidget;

// Calls onEnter when control receives the input focus and onExit when it loses it, to another
// control of the program; a window merely losing or regaining activation is not a focus change.
void AttachFocusNotices(QWidget* control, std::function<void(QWidget*)> onEnter,
                        std::function<void(QWidget*)> onExit);
