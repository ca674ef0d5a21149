#pragma once

#include <QString>
#include <exception>

#include "textio/Phrase.h"

// The phrase in the program's language: its template from the catalogues, filled with its texts
// in the same language; a template no catalogue holds, in English.
QString Translated(const TPhrase& phrase);
// An error's message in the program's language: the phrase of one of the program's own errors,
// the words of any other.
QString TranslatedMessage(const std::exception& error);
