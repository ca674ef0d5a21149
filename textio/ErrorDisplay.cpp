#include "textio/ErrorDisplay.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>
#include <new>

#include "l10n/PhraseText.h"
#include "textio/Exception.h"

namespace {

// The error's message in the program's language.
std::string MessageOf(const std::exception& error)
{
    if (dynamic_cast<const std::bad_alloc*>(&error)) {
        return Translated(
                   TPhrase("ErrorDisplay", QT_TRANSLATE_NOOP("ErrorDisplay", "Out of memory")))
            .toStdString();
    }
    return TranslatedMessage(error).toStdString();
}

std::string ClassNameOf(const std::exception& error)
{
    if (const auto* e = dynamic_cast<const Exception*>(&error)) {
        return e->ClassName();
    }
    return dynamic_cast<const std::bad_alloc*>(&error) ? "EOutOfMemory" : "Exception";
}

}  // namespace

void ShowTopLevelError(TModalHost& app, const std::exception& error)
{
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
    QMessageBox box(QMessageBox::Critical, app.Title(),
                    QString::fromStdString(TopLevelMessageText(MessageOf(error))), QMessageBox::Ok,
                    QApplication::activeWindow());
    app.ExecModal(box);
}

void ShowStartupError(TModalHost& app, const std::exception& error)
{
    const std::string module = QFileInfo(app.ExeName()).fileName().toStdString();
    QMessageBox box(QMessageBox::Critical,
                    QCoreApplication::translate("ErrorDisplay", "Application Error"),
                    Translated(StartupMessagePhrase(ClassNameOf(error), module, MessageOf(error))),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    app.ExecModal(box);
}

bool RunHandler(TModalHost& app, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        ShowTopLevelError(app, error);
    } catch (...) {
        ShowTopLevelError(
            app,
            Exception(TPhrase("ErrorDisplay", QT_TRANSLATE_NOOP("ErrorDisplay", "Unknown error"))));
    }
    return false;
}
