#include "app/PageLayout.h"

#include <QPalette>
#include <QVBoxLayout>

#include "toolkit/ColorAndFont.h"
#include "toolkit/Panels.h"

QFont GeorgiaFont(int pixels, bool bold, bool underline)
{
    QFont font(QStringLiteral("Georgia"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont MemoFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

TLabel* SplashLabel(QWidget* parent, const QString& text, const QFont& font, int top, int height,
                    int width)
{
    auto* label = new TLabel(parent);
    label->setText(text);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ColorToQColor(clMaroon));
    label->setPalette(palette);
    label->setGeometry(8, top, width - 16, height);
    label->SetElided(true);
    return label;
}

QVBoxLayout* Column(QWidget* parent)
{
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}
