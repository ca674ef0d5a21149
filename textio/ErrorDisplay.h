#pragma once

#include <exception>
#include <functional>
#include <string>

#include "textio/ErrorText.h"

class TApplication;

// Shows an error that escaped a handler while the main window runs, then returns.
void ShowTopLevelError(TApplication& app, const std::exception& error);
// Shows an error that escaped start-up; the caller then ends the program with exit code 1.
void ShowStartupError(TApplication& app, const std::exception& error);

// The top-level dispatch: runs a handler and shows whatever escapes it with ShowTopLevelError.
// Every handler the toolkit calls goes through here, so no error reaches Qt's event loop.
// Answers whether the handler ran to its end.
bool RunHandler(TApplication& app, const std::function<void()>& handler);
