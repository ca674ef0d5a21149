#pragma once

#include <exception>
#include <functional>
#include <string>

#include "textio/ErrorText.h"

class QDialog;
class QString;

// What the displays need of the application: its title and file name, and the way its modal
// windows run. The application object of the window controls is one.
class TModalHost {
public:
    virtual ~TModalHost() = default;
    virtual const QString& Title() const = 0;
    virtual const QString& ExeName() const = 0;
    virtual int ExecModal(QDialog& dialog) = 0;
};

// Shows an error that escaped a handler while the main window runs, then returns.
void ShowTopLevelError(TModalHost& app, const std::exception& error);
// Shows an error that escaped start-up; the caller then ends the program with exit code 1.
void ShowStartupError(TModalHost& app, const std::exception& error);

// The top-level dispatch: runs a handler and shows whatever escapes it with ShowTopLevelError.
// Every handler the toolkit calls goes through here, so no error reaches Qt's event loop.
// Answers whether the handler ran to its end.
bool RunHandler(TModalHost& app, const std::function<void()>& handler);
