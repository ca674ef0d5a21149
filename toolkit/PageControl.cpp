#include "toolkit/PageControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (qobject_cast<QMenuBar*>(now) && now->window() == window()) {
            focusBeforeMenu_ = old;
        }
    });
}

void TPageControl::keyPressEvent(QKeyEvent* event)
{
    event->ignore();  // Ctrl+Tab and Ctrl+Page Up/Down would change the page
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
    QWidget* focus = window()->focusWidget();
    if (qobject_cast<QMenuBar*>(focus)) {
        focus = focusBeforeMenu_;
    }
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

int TPageControl::PageWidth(int controlWidth) const
{
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    option.rect = QRect(0, 0, controlWidth, height());
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).width();
}
