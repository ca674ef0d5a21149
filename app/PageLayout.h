#pragma once

#include <QFont>
#include <QString>

class QVBoxLayout;
class QWidget;
class TLabel;

// What the main window's pages share: the window's designed client size, the fonts of the
// splash page and the help texts, and a column of controls without margins.
inline constexpr int kClientWidth = 811;
inline constexpr int kClientHeight = 590;
inline constexpr int kStatusBarHeight = 19;
// The width of the import page's left half, the grid's, at the window's first size.
inline constexpr int kLeftHalfWidth = 326;

QFont GeorgiaFont(int pixels, bool bold, bool underline = false);
QFont MemoFont();
// A line of the splash page in maroon, across the panel less 8 pixels each side.
TLabel* SplashLabel(QWidget* parent, const QString& text, const QFont& font, int top, int height,
                    int width);
QVBoxLayout* Column(QWidget* parent);
