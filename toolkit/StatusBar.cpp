#include "toolkit/StatusBar.h"

#include <QHBoxLayout>

TStatusBar::TStatusBar(QWidget* parent, const QList<int>& panelWidths) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    for (int i = 0; i < panelWidths.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setIndent(2);
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
    return panels_.at(panel)->text();
}

void TStatusBar::SetPanelText(int panel, const QString& text)
{
    panels_.at(panel)->setText(text);
    emit PanelTextChanged(panel, text);
}
