#pragma once

#include <QString>
#include <vector>

#include "import/PostingReceipt.h"
#include "textio/PrivateFiles.h"

// A job's receipt of what its import stored, in place of FILE (its user's alone). Opened before
// the import stores anything, so that a receipt that cannot be written stops the job first;
// written whole once the import has committed.
class TReceiptWriter {
public:
    explicit TReceiptWriter(const QString& path);
    void Write(const std::vector<TStudentRecord>& records);

private:
    TReplacedFile file_;
};

// Read back for undo, refused unless it is one.
std::vector<TStudentRecord> ReadReceipt(const QString& path);
