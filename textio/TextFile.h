#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// A line-oriented text file, read in blocks of 64 KiB (one request to the file system per
// block) and written through a 128-byte buffer, CR LF line ends, Ctrl-Z as the end of a file
// being read. Every failure raises an EInOutError. The empty name is the
// process's standard input (reading) or standard output (writing).
//
// Others may read a file while it is open but not write it: readers take a shared advisory lock,
// a writer an exclusive one, and a refused lock fails the open with code 32.
//
// The object owns its file: destroying it releases the file without raising, so an error that
// abandons a handler never leaves the file held open.
struct stat;

class TTextFile {
public:
    static constexpr std::size_t kBufferSize = 128;  // written text
    static constexpr std::size_t kReadBlockSize = 64 * 1024;
    static constexpr std::size_t kMaxNameLength = 259;

    TTextFile() = default;
    ~TTextFile();
    TTextFile(const TTextFile&) = delete;
    TTextFile& operator=(const TTextFile&) = delete;

    void OpenToRead(const std::string& name);
    void OpenToWrite(const std::string& name);
    bool AtEndOfFile();
    std::string ReadTextLine();
    // The same into a buffer that the caller keeps from line to line.
    void ReadTextLine(std::string& line);
    void SkipToNextLine();
    void WriteTextLine(std::string_view text);
    // Writes through a buffer of the size instead (the standard one at kBufferSize or less),
    // after handing on what the buffer holds: fewer requests to the file system for a file
    // whose every line is written at once.
    void SetTextBuffer(std::size_t size);
    void FlushText();
    void CloseText();

    bool IsOpen() const { return mode_ != Mode::Closed; }

private:
    enum class Mode { Closed, Reading, Writing };

    // Opens name; check answers the code that refuses the open file, or 0.
    static int OpenChecked(const std::string& name, int flags,
                           const std::function<int(int fd, const struct stat& st)>& check);
    void Adopt(int fd, bool owned, bool console, Mode mode);
    void CheckReadable() const;
    bool FillBuffer();
    int WriteOut(const unsigned char* data, std::size_t size);
    int ReleaseFile();

    Mode mode_ = Mode::Closed;
    int fd_ = -1;
    bool ownsFd_ = false;
    bool console_ = false;
    int pendingError_ = 0;  // met by FlushText, raised by the CloseText after it
    unsigned char buffer_[kBufferSize] = {};
    std::unique_ptr<unsigned char[]> largeBuffer_;  // one set instead
    unsigned char* out_ = buffer_;
    std::size_t capacity_ = kBufferSize;
    std::unique_ptr<unsigned char[]> readBlock_;  // made at the first read
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
};
