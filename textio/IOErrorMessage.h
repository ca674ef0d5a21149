#pragma once

#include "textio/Phrase.h"

#include <string>

// The message of an I/O error, chosen by its code; no full stop of its own.
TPhrase IOErrorMessage(int code);
