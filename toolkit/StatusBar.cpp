#include "toolkit/StatusBar.h"

#include <QHBoxLayout>
#include <QPainter>

TStatusPanel::TStatusPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TStatusPanel::SetText(const QString& text)
{
    if (text == text_) {
        return;
    }
    text_ = text;
    // One request to paint stands for every change until the panel is painted.
    if (!paintPending_) {
        paintPending_ = true;
        setAccessibleName(text);  // what a screen reader reads of the panel
        update();
    }
}

QSize TStatusPanel::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(text_) + 2 * frameWidth() + 4,
            fontMetrics().height() + 2 * frameWidth() + 2};
}

void TStatusPanel::paintEvent(QPaintEvent* event)
{
    if (paintPending_) {
        paintPending_ = false;
        setAccessibleName(text_);
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    // Two pixels in from the frame, as a label's indent would place it.
    painter.drawText(contentsRect().adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

TStatusBar::TStatusBar(QWidget* parent, const QList<int>& panelWidths) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    for (int i = 0; i < panelWidths.size(); ++i) {
        auto* panel = new TStatusPanel(this);
        const bool last = i == panelWidths.size() - 1;
        if (!last) {
            panel->setFixedWidth(panelWidths[i]);
        }
        layout->addWidget(panel, last ? 1 : 0);
        panels_.append(panel);
    }
}

QString TStatusBar::PanelText(int panel) const
{
    return panels_.at(panel)->Text();
}

void TStatusBar::SetPanelText(int panel, const QString& text)
{
    panels_.at(panel)->SetText(text);
    emit PanelTextChanged(panel, text);
}
