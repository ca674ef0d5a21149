#include "store/aliases/PrivateFiles.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "textio/Exception.h"

void MakePrivateFolder(const QString& folder)
{
    const QString absolute = QDir::cleanPath(QDir(folder).absolutePath());
    if (QFileInfo(absolute).isDir()) {
        return;
    }
    MakePrivateFolder(QFileInfo(absolute).path());
    if (::mkdir(QFile::encodeName(absolute).constData(), 0700) != 0 &&
        !QFileInfo(absolute).isDir()) {
        throw Exception("Cannot create the folder " + absolute.toStdString());
    }
}

void ReplacePrivateFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(bytes) < 0 || !file.commit()) {
        throw Exception("Cannot write " + path.toStdString() + ": " +
                        file.errorString().toStdString());
    }
}
