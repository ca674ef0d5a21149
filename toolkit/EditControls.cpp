#include "toolkit/EditControls.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {

// The platform's style but for the character that hides a password's letters.
class PasswordCharStyle : public QProxyStyle {
public:
    explicit PasswordCharStyle(QChar shown)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), shown_(shown)
    {
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter) {
            return shown_.unicode();
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar shown_;
};

}  // namespace

void TEdit::SetPasswordChar(QChar shown)
{
    auto* style = new PasswordCharStyle(shown);
    style->setParent(this);
    setStyle(style);
    setEchoMode(QLineEdit::Password);
}

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
    setTabChangesFocus(true);  // a memo takes part in the tab order and does not eat Tab
    // A desktop memo keeps a pixel between its frame and its text, not Qt's four: the help
    // texts were laid out for that room.
    document()->setDocumentMargin(1);
    // Without scroll bars: a wrapped text that does not fit is cut at the memo's edge.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TMemo::SetLines(const QStringList& lines)
{
    setPlainText(lines.join(QLatin1Char('\n')));
}
