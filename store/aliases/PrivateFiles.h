#pragma once

#include <QByteArray>
#include <QString>

// Files that hold student data or secrets are their owner's alone.

// Creates the folder and any missing parent, each readable by its owner alone; an existing
// folder keeps its mode. Raises an Exception naming the folder when it cannot be made.
void MakePrivateFolder(const QString& folder);

// Puts the bytes in the file's place in one step, readable by its owner alone: a failure leaves
// the file as it was. Raises an Exception naming the file.
void ReplacePrivateFile(const QString& path, const QByteArray& bytes);
