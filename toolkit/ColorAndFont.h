#pragma once

#include <QColor>
#include <QFlags>
#include <cstdint>

class QWidget;

// A colour number: with the top byte 0 the lowest byte is red, the next green, the third blue;
// 0x80000000 plus n names the platform's system colour n, looked up when the control is drawn.
using TColor = std::uint32_t;

inline constexpr TColor clWindow = 0x80000005;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMaroon = 0x000080;

QColor ColorToQColor(TColor color);

enum class TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

// A control's own background colour and font style; assigning either makes the control stop
// taking it from its container.
class TColorProperty {
public:
    explicit TColorProperty(TColor initial) : color_(initial) {}
    TColor Color() const { return color_; }
    void Apply(QWidget& widget, TColor color);

private:
    TColor color_;
};

void SetFontStyleOf(QWidget& widget, TFontStyles style);
