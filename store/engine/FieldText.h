#pragma once

#include <QVariant>
#include <string>
#include <string_view>

#include "store/engine/RecordWindow.h"

// The field text, one rule for every engine: an integer its decimal digits (a minus sign before
// a negative one), a real number its shortest form, a text its characters as UTF-8 (bytes that
// are not UTF-8 replaced), null the empty text, marked as null.
void AppendNullText(TRecordWindow& window);
void AppendIntegerText(TRecordWindow& window, long long value);
void AppendRealText(TRecordWindow& window, double value);
void AppendCharacterText(TRecordWindow& window, std::string_view bytes);
// A value as Qt SQL reads it.
void AppendFieldText(TRecordWindow& window, const QVariant& value);

// UTF-8 bytes as Qt's conversion gives them back: the same bytes where they are valid and do
// not open with a byte order mark; else converted (the mark dropped, stray bytes as U+FFFD)
// into scratch. What reaches the database or a file around Qt SQL stays what passing through
// it would have made.
std::string_view AsQtConverts(std::string_view bytes, std::string& scratch);
