#include "textio/TextFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "textio/ErrorNumbers.h"
#include "textio/Exception.h"
#include "textio/IOErrorCodes.h"
#include "textio/IOErrorMessage.h"

namespace {

constexpr unsigned char kCtrlZ = 0x1A;

[[noreturn]] void Raise(int code)
{
    throw EInOutError(code, IOErrorMessage(code));
}

std::size_t CharacterCount(const std::string& utf8)
{
    std::size_t count = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

void CheckName(const std::string& name)
{
    if (CharacterCount(name) > TTextFile::kMaxNameLength) {
        Raise(kIOPathNotFound);
    }
}

bool IsFilePipeOrConsole(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return false;
    }
    return S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode) || (S_ISCHR(st.st_mode) && ::isatty(fd));
}

}  // namespace

TTextFile::~TTextFile()
{
    if (mode_ != Mode::Closed) {
        ReleaseFile();
    }
}

int TTextFile::ReleaseFile()
{
    int err = 0;
    if (ownsFd_ && ::close(fd_) != 0) {
        err = errno;
    }
    fd_ = -1;
    ownsFd_ = false;
    mode_ = Mode::Closed;
    pos_ = end_ = 0;
    return err;
}

void TTextFile::OpenToRead(const std::string& name)
{
    if (mode_ != Mode::Closed) {
        CloseText();  // writes out what is buffered, and raises what writing met
    }
    if (name.empty()) {
        Adopt(STDIN_FILENO, false, false, Mode::Reading);
        return;
    }
    const int fd = OpenChecked(name, O_RDONLY, [&](int opened, const struct stat& st) {
        if (S_ISDIR(st.st_mode)) {
            return kIOAccessDenied;
        }
        return ::flock(opened, LOCK_SH | LOCK_NB) != 0 ? OpenErrorCode(errno, name) : 0;
    });
    Adopt(fd, true, false, Mode::Reading);
}

void TTextFile::OpenToWrite(const std::string& name)
{
    if (mode_ != Mode::Closed) {
        CloseText();  // writes out what is buffered, and raises what writing met
    }
    if (name.empty()) {
        if (!IsFilePipeOrConsole(STDOUT_FILENO)) {
            Raise(kIOFileNotOpenForOutput);
        }
        Adopt(STDOUT_FILENO, false, ::isatty(STDOUT_FILENO) != 0, Mode::Writing);
        return;
    }
    bool console = false;
    // Not O_TRUNC: the file is emptied only once the lock shows nobody else holds it.
    const int fd =
        OpenChecked(name, O_WRONLY | O_CREAT | O_NOCTTY, [&](int opened, const struct stat& st) {
            if (!IsFilePipeOrConsole(opened)) {
                return kIOFileNotOpenForOutput;
            }
            console = S_ISCHR(st.st_mode);
            if (!S_ISREG(st.st_mode)) {
                return 0;
            }
            if (::flock(opened, LOCK_EX | LOCK_NB) != 0) {
                return OpenErrorCode(errno, name);
            }
            return ::ftruncate(opened, 0) != 0 ? TransferErrorCode(errno) : 0;
        });
    Adopt(fd, true, console, Mode::Writing);
}

int TTextFile::OpenChecked(const std::string& name, int flags,
                           const std::function<int(int, const struct stat&)>& check)
{
    CheckName(name);
    // A file made here holds student data: its user's alone. One that exists keeps its mode, which
    // its user may have opened to others on purpose.
    const int fd = ::open(name.c_str(), flags | O_CLOEXEC, 0600);
    if (fd < 0) {
        Raise(OpenErrorCode(errno, name));
    }
    struct stat st {};
    const int code = ::fstat(fd, &st) != 0 ? TransferErrorCode(errno) : check(fd, st);
    if (code != 0) {
        ::close(fd);  // a refused file is never left held open
        Raise(code);
    }
    return fd;
}

void TTextFile::Adopt(int fd, bool owned, bool console, Mode mode)
{
    fd_ = fd;
    ownsFd_ = owned;
    console_ = console;
    mode_ = mode;
}

void TTextFile::CheckReadable() const
{
    if (mode_ == Mode::Closed) {
        Raise(kIOFileNotOpen);
    }
    if (mode_ != Mode::Reading) {
        Raise(kIOFileNotOpenForInput);
    }
}

bool TTextFile::FillBuffer()
{
    ssize_t n;
    do {
        if (!readBlock_) {
            readBlock_ = std::make_unique<unsigned char[]>(kReadBlockSize);
        }
        n = ::read(fd_, readBlock_.get(), kReadBlockSize);
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        Raise(TransferErrorCode(errno));
    }
    pos_ = 0;
    end_ = static_cast<std::size_t>(n);
    return n > 0;
}

bool TTextFile::AtEndOfFile()
{
    CheckReadable();
    if (pos_ == end_ && !FillBuffer()) {
        return true;
    }
    return readBlock_[pos_] == kCtrlZ;
}

std::string TTextFile::ReadTextLine()
{
    std::string line;
    ReadTextLine(line);
    return line;
}

void TTextFile::ReadTextLine(std::string& line)
{
    CheckReadable();
    line.clear();
    for (;;) {
        if (pos_ == end_ && !FillBuffer()) {
            return;
        }
        const unsigned char* block = readBlock_.get();
        const void* lf = std::memchr(block + pos_, '\n', end_ - pos_);
        std::size_t stop = lf ? std::size_t(static_cast<const unsigned char*>(lf) - block) : end_;
        if (const void* eof = std::memchr(block + pos_, kCtrlZ, stop - pos_)) {
            stop = std::size_t(static_cast<const unsigned char*>(eof) - block);
        }
        // A CR is never text: before LF it is part of the line end, alone it is dropped.
        for (std::size_t i = pos_; i < stop;) {
            const void* cr = std::memchr(block + i, '\r', stop - i);
            const std::size_t run =
                cr ? std::size_t(static_cast<const unsigned char*>(cr) - block) : stop;
            line.append(reinterpret_cast<const char*>(block) + i, run - i);
            i = cr ? run + 1 : stop;
        }
        pos_ = stop;
        if (stop < end_) {
            return;  // in front of the line end, or of a Ctrl-Z that ends the file
        }
    }
}

void TTextFile::SkipToNextLine()
{
    CheckReadable();
    for (;;) {
        if (pos_ == end_ && !FillBuffer()) {
            return;
        }
        const void* lf = std::memchr(readBlock_.get() + pos_, '\n', end_ - pos_);
        const std::size_t stop =
            lf ? static_cast<std::size_t>(static_cast<const unsigned char*>(lf) - readBlock_.get())
               : end_;
        const void* eof = std::memchr(readBlock_.get() + pos_, kCtrlZ, stop - pos_);
        if (eof) {
            pos_ =
                static_cast<std::size_t>(static_cast<const unsigned char*>(eof) - readBlock_.get());
            return;
        }
        if (lf) {
            pos_ = stop + 1;
            return;
        }
        pos_ = end_;
    }
}

int TTextFile::WriteOut(const unsigned char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return TransferErrorCode(errno);
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

void TTextFile::WriteTextLine(std::string_view text)
{
    if (mode_ != Mode::Writing) {
        Raise(kIOFileNotOpenForOutput);
    }
    auto put = [this](const unsigned char* data, std::size_t size) {
        while (size > 0) {
            if (end_ == capacity_) {
                const std::size_t full = end_;
                end_ = 0;  // what a failed write did not hand on is lost, never written twice
                if (const int code = WriteOut(out_, full); code != 0) {
                    Raise(code);
                }
            }
            const std::size_t n = std::min(size, capacity_ - end_);
            std::memcpy(out_ + end_, data, n);
            end_ += n;
            data += n;
            size -= n;
        }
    };
    put(reinterpret_cast<const unsigned char*>(text.data()), text.size());
    static constexpr unsigned char kLineEnd[] = {'\r', '\n'};
    put(kLineEnd, sizeof kLineEnd);
    if (console_) {
        FlushText();
        if (pendingError_ != 0) {
            const int code = pendingError_;
            pendingError_ = 0;
            Raise(code);
        }
    }
}

void TTextFile::SetTextBuffer(std::size_t size)
{
    FlushText();
    if (size <= kBufferSize) {
        largeBuffer_.reset();
        out_ = buffer_;
        capacity_ = kBufferSize;
        return;
    }
    largeBuffer_ = std::make_unique<unsigned char[]>(size);
    out_ = largeBuffer_.get();
    capacity_ = size;
}

void TTextFile::FlushText()
{
    if (mode_ != Mode::Writing || end_ == 0) {
        return;
    }
    const std::size_t size = end_;
    end_ = 0;
    if (const int code = WriteOut(out_, size); code != 0 && pendingError_ == 0) {
        pendingError_ = code;  // raised by the CloseText that follows
    }
}

void TTextFile::CloseText()
{
    if (mode_ == Mode::Closed) {
        Raise(kIOFileNotOpen);
    }
    if (mode_ == Mode::Writing) {
        FlushText();
    }
    const int closeError = ReleaseFile();
    const int code = pendingError_ != 0 ? pendingError_ : TransferErrorCode(closeError);
    pendingError_ = 0;
    if (code != 0) {
        Raise(code);
    }
}
