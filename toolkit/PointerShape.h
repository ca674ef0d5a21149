#pragma once

#include <Qt>

// The pointer over the program's windows while it works, as the desktop shows it. The windowed
// program's application object installs the desktop's for its life; a program without windows
// has none, and links no desktop library for it.
class TPointerShape {
public:
    virtual ~TPointerShape() = default;
    // Whether a shape stands over the default one already.
    virtual bool Overridden() const = 0;
    virtual void Override(Qt::CursorShape shape) = 0;
    virtual void Restore() = 0;
};

// The installed pointer; none without windows.
TPointerShape* InstalledPointerShape();
void InstallPointerShape(TPointerShape* shape);
