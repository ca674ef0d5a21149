#pragma once

#include <QString>
#include <QTemporaryFile>
#include <string>
#include <string_view>

#include "textio/Phrase.h"

// Files that hold student data or secrets are their owner's alone.

// Creates the folder and any missing parent, each readable by its owner alone; an existing
// folder keeps its mode. Raises an Exception naming the folder when it cannot be made.
void MakePrivateFolder(const QString& folder);

// A file put in its place whole or not at all. It is written beside the file it replaces (a link
// is followed to its file) and takes that file's place in one step at Commit, on disk before the
// step; dropped uncommitted, it goes and the file stays as it was. A new file is its owner's
// alone; a replaced one keeps its mode (KeepMode) or becomes its owner's alone (OwnerOnly).
// Failures raise an Exception that names the file, as "Cannot write <what><path>: <why>" with
// the note the caller gives for what the failure means.
class TReplacedFile {
public:
    enum class Mode { OwnerOnly, KeepMode };

    TReplacedFile(const QString& path, Mode mode, TPhrase what = {},
                  const TPhrase& unwrittenNote = {});
    TReplacedFile(const TReplacedFile&) = delete;
    TReplacedFile& operator=(const TReplacedFile&) = delete;

    // Where the new contents go, for a writer that opens the file itself.
    QString WorkingPath() const { return working_.fileName(); }
    void Write(const QByteArray& bytes, const TPhrase& unwrittenNote = {});
    void Commit(const TPhrase& uncommittedNote = {});

private:
    [[noreturn]] void Refuse(const std::string& why, const TPhrase& note) const;

    QString target_;
    std::string shown_;  // as the user named it
    TPhrase what_;
    QTemporaryFile working_;
};
