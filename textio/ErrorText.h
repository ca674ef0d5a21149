#pragma once

#include <string>

// The text that the top-level display shows: a full stop is added to a non-empty message whose
// last character is above ".".
std::string TopLevelMessageText(const std::string& message);
// The text of the start-up failure display.
std::string StartupMessageText(const std::string& className, const std::string& moduleName,
                               const std::string& message);
