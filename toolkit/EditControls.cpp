#include "toolkit/EditControls.h"

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
    setTabChangesFocus(true);  // a memo takes part in the tab order and does not eat Tab
    // Without scroll bars: a wrapped text that does not fit is cut at the memo's edge.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TMemo::SetLines(const QStringList& lines)
{
    setPlainText(lines.join(QLatin1Char('\n')));
}
