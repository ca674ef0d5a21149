#pragma once

#include <QString>

#include "textio/Phrase.h"

// The phrase in the program's language: its template from the catalogues, filled with its texts
// in the same language; a template no catalogue holds, in English.
QString Translated(const TPhrase& phrase);
