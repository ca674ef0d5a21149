#pragma once

#include <QString>
#include <vector>

#include "import/PostingReceipt.h"

// A job's receipt of what its import stored: written whole once the import has committed, in
// place of FILE (its user's alone); read back for undo, refused unless it is one.
void WriteReceipt(const QString& path, const std::vector<TPostedRecord>& records);
std::vector<TPostedRecord> ReadReceipt(const QString& path);
