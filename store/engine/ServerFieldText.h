#pragma once

#include "store/engine/RecordWindow.h"

// A server's field in libpq's text format, rendered as Qt's PostgreSQL driver renders it: a
// statement run by libpq shows what the same statement run through Qt SQL showed, whatever the
// column's type. `type` is the server's type number of the column.
void AppendServerFieldText(TRecordWindow& window, unsigned type, const char* value, int length,
                           bool isNull);
