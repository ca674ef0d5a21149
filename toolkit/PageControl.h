#pragma once

#include <QTabWidget>
#include <QWidget>

class TTabSheet : public QWidget {
    Q_OBJECT
public:
    explicit TTabSheet(QWidget* parent = nullptr) : QWidget(parent) {}
};

// Pages whose tabs can be hidden. Showing a page moves the focus to the page's first control in
// tab order when the focus was on the page being left.
class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);

    void AddPage(TTabSheet* page, const QString& caption);
    void SetTabVisible(TTabSheet* page, bool visible);
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* page);
};
