#pragma once

#include <QLabel>
#include <QList>
#include <QWidget>

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
