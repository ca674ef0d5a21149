#pragma once

#include <QFrame>
#include <QList>
#include <QWidget>

// One panel of a status bar: a sunken frame with a line of text. Setting its text only marks it
// for painting, so that a count written line by line costs next to nothing.
class TStatusPanel : public QFrame {
    Q_OBJECT
public:
    explicit TStatusPanel(QWidget* parent);
    const QString& Text() const { return text_; }
    void SetText(const QString& text);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    bool paintPending_ = false;
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
    QList<TStatusPanel*> panels_;
};
