#pragma once

#include <QDateTimeEdit>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QWidget>

#include "toolkit/Graphics.h"

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

// Advances by its step; a step past the maximum starts it over from the minimum.
class TProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit TProgressBar(QWidget* parent = nullptr);
    int Step() const { return step_; }
    void StepIt();

private:
    int step_ = 1;
};

// A status bar of panels; the last panel reaches to the bar's right end.
class TStatusBar : public QWidget {
    Q_OBJECT
public:
    TStatusBar(QWidget* parent, const QList<int>& panelWidths);
    QString PanelText(int panel) const;
    void SetPanelText(int panel, const QString& text);

signals:
    void PanelTextChanged(int panel, const QString& text);

private:
    QList<QLabel*> panels_;
};

class TDateTimePicker : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit TDateTimePicker(QWidget* parent = nullptr) : QDateTimeEdit(parent) {}
    TColor Color() const { return color_.Color(); }
    void SetColor(TColor color) { color_.Apply(*this, color); }

private:
    TColorProperty color_{clWindow};
};
