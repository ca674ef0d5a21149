#include "toolkit/ComCtrls.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QTabBar>

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TPageControl::AddPage(TTabSheet* page, const QString& caption)
{
    addTab(page, caption);
}

void TPageControl::SetTabVisible(TTabSheet* page, bool visible)
{
    setTabVisible(indexOf(page), visible);
    // With no tab left to show, the tab row itself goes.
    bool any = false;
    for (int i = 0; i < count(); ++i) {
        any = any || isTabVisible(i);
    }
    tabBar()->setVisible(any);
}

TTabSheet* TPageControl::ActivePage() const
{
    return static_cast<TTabSheet*>(currentWidget());
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    TTabSheet* old = ActivePage();
    if (page == old) {
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    const bool focusOnOld = old && focus && old->isAncestorOf(focus);
    if (focusOnOld) {
        focus->clearFocus();
    }
    setCurrentWidget(page);
    if (!focusOnOld) {
        return;
    }
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(page) && !w->focusProxy()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

TProgressBar::TProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void TProgressBar::StepIt()
{
    const int next = value() + step_;
    setValue(next > maximum() ? minimum() : next);
}

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
