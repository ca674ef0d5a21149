#include "textio/ErrorDisplay.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>
#include <new>

#include "textio/Exception.h"
#include "toolkit/Application.h"

namespace {

std::string MessageOf(const std::exception& error)
{
    if (dynamic_cast<const std::bad_alloc*>(&error)) {
        return "Out of memory";
    }
    return error.what();
}

std::string ClassNameOf(const std::exception& error)
{
    if (const auto* e = dynamic_cast<const Exception*>(&error)) {
        return e->ClassName();
    }
    return dynamic_cast<const std::bad_alloc*>(&error) ? "EOutOfMemory" : "Exception";
}

}  // namespace

std::string TopLevelMessageText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        return message + ".";
    }
    return message;
}

std::string StartupMessageText(const std::string& className, const std::string& moduleName,
                               const std::string& message)
{
    // Where the failing code lies has no meaning to the user here; the address stays zero.
    const bool stop = !message.empty() && message.back() != '.';
    return "Exception " + className + " in module " + moduleName + " at 00000000.\n" + message +
           (stop ? "." : "");
}

void ShowTopLevelError(TApplication& app, const std::exception& error)
{
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
    QMessageBox box(QMessageBox::Critical, app.Title(),
                    QString::fromStdString(TopLevelMessageText(MessageOf(error))), QMessageBox::Ok,
                    QApplication::activeWindow());
    app.ExecModal(box);
}

void ShowStartupError(TApplication& app, const std::exception& error)
{
    const std::string module = QFileInfo(app.ExeName()).fileName().toStdString();
    QMessageBox box(
        QMessageBox::Critical, QStringLiteral("Application Error"),
        QString::fromStdString(StartupMessageText(ClassNameOf(error), module, MessageOf(error))),
        QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    app.ExecModal(box);
}

bool RunHandler(TApplication& app, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        ShowTopLevelError(app, error);
    } catch (...) {
        ShowTopLevelError(app, Exception("Unknown error"));
    }
    return false;
}
