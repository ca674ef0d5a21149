#include "toolkit/ColorAndFont.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

QColor ColorToQColor(TColor color)
{
    if (color & 0x80000000u) {
        const QPalette palette = QApplication::palette();
        switch (color & 0xFF) {
            case 5:  // window background: the background of text-entry fields
                return palette.color(QPalette::Base);
            case 8:
                return palette.color(QPalette::Text);
            case 15:
                return palette.color(QPalette::Button);
            default:
                return palette.color(QPalette::Window);
        }
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

namespace {

// The palette's own-value bits of the background role, in every colour group.
QPalette::ResolveMask BackgroundBits()
{
    QPalette probe;
    probe.setResolveMask(0);
    probe.setColor(QPalette::Base, Qt::black);
    return probe.resolveMask();
}

}  // namespace

void TColorProperty::Apply(QWidget& widget, TColor color)
{
    color_ = color;
    QPalette palette = widget.palette();
    if (color == clWindow) {
        // The system's window colour is no value of the control's own: the control takes the
        // desktop's, as it is when the control is painted, also after the desktop changed it.
        palette.setResolveMask(palette.resolveMask() & ~BackgroundBits());
    } else {
        palette.setColor(QPalette::Base, ColorToQColor(color));
    }
    widget.setPalette(palette);
}

void SetFontStyleOf(QWidget& widget, TFontStyles style)
{
    QFont font = widget.font();
    font.setBold(style.testFlag(TFontStyle::fsBold));
    font.setItalic(style.testFlag(TFontStyle::fsItalic));
    font.setUnderline(style.testFlag(TFontStyle::fsUnderline));
    font.setStrikeOut(style.testFlag(TFontStyle::fsStrikeOut));
    widget.setFont(font);
}
