#pragma once

#include <string>

#include "textio/Phrase.h"

// The text that the top-level display shows: a full stop is added to a non-empty message whose
// last character is above ".".
std::string TopLevelMessageText(const std::string& message);
// The text of the start-up failure display; the message is given as it is to be shown.
TPhrase StartupMessagePhrase(const std::string& className, const std::string& moduleName,
                             const std::string& message);
