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
        throw Exception(TPhrase("PrivateFiles",
                                QT_TRANSLATE_NOOP("PrivateFiles", "Cannot create the folder %1"),
                                {absolute.toStdString()}));
    }
}

TReplacedFile::TReplacedFile(const QString& path, Mode mode, TPhrase what,
                             const TPhrase& unwrittenNote)
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

void TReplacedFile::Write(const QByteArray& bytes, const TPhrase& unwrittenNote)
{
    if (!working_.open() || working_.write(bytes) != bytes.size() || !working_.flush()) {
        Refuse(working_.errorString().toStdString(), unwrittenNote);
    }
    working_.close();
}

void TReplacedFile::Commit(const TPhrase& uncommittedNote)
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

void TReplacedFile::Refuse(const std::string& why, const TPhrase& note) const
{
    // What the file is and what the failure means are the caller's words, each with its spaces.
    throw Exception(TPhrase("PrivateFiles",
                            QT_TRANSLATE_NOOP("PrivateFiles", "Cannot write %1%2: %3%4"),
                            {what_, shown_, why, note}));
}
