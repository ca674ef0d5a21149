#include "app/DefaultExportFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// The program's own folder, where the office looks for the export. Installed where users may not
// write (under /usr), the first export there would fail with "File access denied." for everyone;
// the user's documents folder (or home, where there is none) takes its place.
QString DefaultExportFolder(const QString& exeName)
{
    const QString programFolder = QFileInfo(exeName).absolutePath();
    if (QFileInfo(programFolder).isWritable()) {
        return programFolder;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
