#include "textio/PrivateFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

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

TReplacedFile::TReplacedFile(const QString& path, Mode mode, std::string what,
                             std::string_view unwrittenNote)
    : shown_(path.toStdString()), what_(std::move(what))
{
    const QFileInfo info(path);
    struct stat st {};
    const bool exists = ::stat(QFile::encodeName(path).constData(), &st) == 0;
    target_ = exists ? info.canonicalFilePath() : info.absoluteFilePath();
    const QFileInfo final(target_);
    // Hidden beside the file, on its file system, so that the rename is one step.
    working_.setFileTemplate(final.path() + QStringLiteral("/.") + final.fileName() +
                             QStringLiteral(".XXXXXX"));
    if (!working_.open()) {  // made the owner's alone
        Refuse(working_.errorString().toStdString(), unwrittenNote);
    }
    if (exists && mode == Mode::KeepMode && ::fchmod(working_.handle(), st.st_mode & 07777) != 0) {
        Refuse(std::strerror(errno), unwrittenNote);
    }
    working_.close();
}

void TReplacedFile::Write(const QByteArray& bytes, std::string_view unwrittenNote)
{
    if (!working_.open() || working_.write(bytes) != bytes.size() || !working_.flush()) {
        Refuse(working_.errorString().toStdString(), unwrittenNote);
    }
    working_.close();
}

void TReplacedFile::Commit(std::string_view uncommittedNote)
{
    const QByteArray working = QFile::encodeName(working_.fileName());
    const int fd = ::open(working.constData(), O_RDONLY | O_CLOEXEC);
    const bool onDisk = fd >= 0 && ::fsync(fd) == 0;
    const int syncError = errno;
    if (fd >= 0) {
        ::close(fd);
    }
    if (!onDisk) {
        Refuse(std::strerror(syncError), uncommittedNote);
    }
    if (std::rename(working.constData(), QFile::encodeName(target_).constData()) != 0) {
        Refuse(std::strerror(errno), uncommittedNote);
    }
    working_.setAutoRemove(false);
}

void TReplacedFile::Refuse(std::string_view why, std::string_view note) const
{
    throw Exception("Cannot write " + what_ + shown_ + ": " + std::string(why) + std::string(note));
}
