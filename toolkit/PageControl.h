#pragma once

#include <QPointer>
#include <QTabWidget>
#include <QWidget>

class TTabSheet : public QWidget {
    Q_OBJECT
public:
    explicit TTabSheet(QWidget* parent = nullptr) : QWidget(parent) {}
};

// Pages whose tabs can be hidden; only the program changes the page, never a key. Showing a
// page moves the focus to the page's first control in tab order when the focus was on the page
// being left, also while the menu bar has borrowed the keyboard for a choice.
class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);

    void AddPage(TTabSheet* page, const QString& caption);
    void SetTabVisible(TTabSheet* page, bool visible);
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* page);
    // The width a page has inside the control at that width: the pane's frame takes its part.
    int PageWidth(int controlWidth) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The control whose focus the menu bar keeps while the keyboard works the menu.
    QPointer<QWidget> focusBeforeMenu_;
};
