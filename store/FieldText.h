#pragma once

#include <QVariant>
#include <string_view>

#include "store/RecordWindow.h"

// The field text, one rule for every engine: an integer its decimal digits (a minus sign before
// a negative one), a real number its shortest form, a text its characters as UTF-8 (bytes that
// are not UTF-8 replaced), null the empty text, marked as null.
void AppendNullText(TRecordWindow& window);
void AppendIntegerText(TRecordWindow& window, long long value);
void AppendRealText(TRecordWindow& window, double value);
void AppendCharacterText(TRecordWindow& window, std::string_view bytes);
// A value as Qt SQL reads it.
void AppendFieldText(TRecordWindow& window, const QVariant& value);
