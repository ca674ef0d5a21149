#pragma once

#include <QString>

// The folder that the export writes to unless the user names another: the program's own
// folder, where the user may write there.
QString DefaultExportFolder(const QString& exeName);
