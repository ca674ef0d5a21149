#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "textio/ErrorNumbers.h"
#include "textio/Exception.h"
#include "textio/IOErrorMessage.h"
#include "textio/TextFile.h"

namespace fs = std::filesystem;

namespace {

class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/textfile-test.XXXXXX";
        path_ = ::mkdtemp(pattern);
        // Open to every user, so that a check run as another user meets the file's own rights.
        fs::permissions(path_, fs::perms::owner_all | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read |
                                   fs::perms::others_exec);
    }
    ~TempFolder() { fs::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Reads a file the way every reader of the program does: AtEndOfFile, ReadTextLine,
// SkipToNextLine.
std::vector<std::string> ReadLines(const std::string& path)
{
    TTextFile file;
    file.OpenToRead(path);
    std::vector<std::string> lines;
    while (!file.AtEndOfFile()) {
        lines.push_back(file.ReadTextLine());
        file.SkipToNextLine();
    }
    file.CloseText();
    return lines;
}

int CodeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EInOutError& e) {
        return e.Code();
    }
    return 0;
}

// Runs action in a child process (for limits and identities that must not touch the test) and
// answers its exit status.
int InChild(const std::function<int()>& action)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(action());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class ReadingRules : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadingRules, ReadsTheLinesOfTheFile)
{
    TempFolder dir;
    WriteBytes(dir / "f", GetParam().bytes);
    EXPECT_EQ(ReadLines(dir / "f"), GetParam().lines);
}

const std::string k600(600, 'x');
const std::string k5MB(5 * 1024 * 1024, 'y');

INSTANTIATE_TEST_SUITE_P(
    TextFile, ReadingRules,
    ::testing::Values(
        ReadCase{"CrLf", "abc\r\nde", {"abc", "de"}}, ReadCase{"Lf", "abc\nde", {"abc", "de"}},
        ReadCase{"LoneCrIsRemoved", "a\rb\r", {"ab"}},
        ReadCase{"EndingLineEndGivesNoEmptyLine", "abc\r\n", {"abc"}},
        ReadCase{"EmptyLinesInside", "a\n\nb\n\n", {"a", "", "b", ""}},
        ReadCase{"CtrlZAtLineStartEndsFile",
                 "a\r\nb\r\n\x1a"
                 "c\r\n",
                 {"a", "b"}},
        ReadCase{"CtrlZAfterLastLineEnd", "a\r\n\x1a", {"a"}},
        ReadCase{"CtrlZInsideLineEndsFile",
                 "ab\x1a"
                 "cd\r\nef\r\n",
                 {"ab"}},
        ReadCase{"EmptyFile", "", {}}, ReadCase{"OnlyCtrlZ", "\x1a", {}},
        ReadCase{"NulBytesAreText", std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
        ReadCase{"BytesAsTheyAre", "\xEF\xBB\xBF\xE9t\xE9\n", {"\xEF\xBB\xBF\xE9t\xE9"}},
        ReadCase{"LongLineAcrossBuffers", k600 + "\r\n" + k600, {k600, k600}},
        ReadCase{"CrLfSplitAcrossBuffers",
                 std::string(127, 'a') + "\r\nb",
                 {std::string(127, 'a'), "b"}},
        ReadCase{"FiveMegabyteLine", k5MB, {k5MB}},
        ReadCase{"ManyLoneCrs", std::string(100000, '\r'), {""}}),
    [](const auto& p) { return p.param.name; });

TEST(TextFile, EmptyFileIsAtEndAtOnce)
{
    TempFolder dir;
    WriteBytes(dir / "f", "");
    TTextFile file;
    file.OpenToRead(dir / "f");
    EXPECT_TRUE(file.AtEndOfFile());
    EXPECT_EQ(file.ReadTextLine(), "");
    file.CloseText();
}

TEST(TextFile, ReadTextLineLeavesTheLineEndForSkip)
{
    TempFolder dir;
    WriteBytes(dir / "f", "ab\r\ncd");
    TTextFile file;
    file.OpenToRead(dir / "f");
    EXPECT_EQ(file.ReadTextLine(), "ab");
    EXPECT_EQ(file.ReadTextLine(), "");  // still in front of the line end
    file.SkipToNextLine();
    EXPECT_EQ(file.ReadTextLine(), "cd");
}

TEST(TextFile, WritesTextThenCrLfAndNothingElse)
{
    TempFolder dir;
    TTextFile file;
    file.OpenToWrite(dir / "out");
    file.WriteTextLine("abc");
    file.WriteTextLine(std::string(300, 'z'));
    file.WriteTextLine("");
    file.FlushText();
    file.CloseText();
    EXPECT_EQ(ReadBytes(dir / "out"), "abc\r\n" + std::string(300, 'z') + "\r\n\r\n");
}

TEST(TextFile, WritingAloneDoesNotFlushBeforeTheBufferFills)
{
    TempFolder dir;
    TTextFile file;
    file.OpenToWrite(dir / "out");
    file.WriteTextLine("abc");
    EXPECT_EQ(ReadBytes(dir / "out"), "");
    file.WriteTextLine(std::string(200, 'q'));
    EXPECT_EQ(ReadBytes(dir / "out").size(), TTextFile::kBufferSize);
    file.CloseText();
    EXPECT_EQ(ReadBytes(dir / "out").size(), 5u + 202u);
}

TEST(TextFile, ALargerBufferHandsOnWhatItHoldsThenFillsToItsOwnSize)
{
    TempFolder dir;
    TTextFile file;
    file.OpenToWrite(dir / "out");
    file.WriteTextLine("abc");
    file.SetTextBuffer(1000);
    EXPECT_EQ(ReadBytes(dir / "out"), "abc\r\n") << "nothing held back, nothing twice";
    for (int i = 0; i < 4; ++i) {
        file.WriteTextLine(std::string(198, 'q'));
    }
    EXPECT_EQ(ReadBytes(dir / "out").size(), 5u) << "800 bytes fit in the buffer";
    file.WriteTextLine(std::string(198, 'r'));
    file.WriteTextLine("x");
    EXPECT_EQ(ReadBytes(dir / "out").size(), 1005u);
    file.SetTextBuffer(TTextFile::kBufferSize);
    EXPECT_EQ(ReadBytes(dir / "out").size(), 1008u);
    file.CloseText();
    const std::string bytes = ReadBytes(dir / "out");
    EXPECT_EQ(bytes.size(), 1008u);
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "x\r\n");
}

TEST(TextFile, OpenToWriteEmptiesAnExistingFile)
{
    TempFolder dir;
    WriteBytes(dir / "out", "old content");
    TTextFile file;
    file.OpenToWrite(dir / "out");
    EXPECT_EQ(ReadBytes(dir / "out"), "");
}

TEST(TextFile, OpeningAnOpenFileClosesItFirstAndStartsOver)
{
    TempFolder dir;
    WriteBytes(dir / "f", "one\ntwo\n");
    TTextFile file;
    file.OpenToRead(dir / "f");
    file.SkipToNextLine();
    file.OpenToRead(dir / "f");
    EXPECT_EQ(file.ReadTextLine(), "one");
}

TEST(TextFile, OpeningAnotherFileWritesOutWhatIsBuffered)
{
    TempFolder dir;
    TTextFile file;
    file.OpenToWrite(dir / "a");
    file.WriteTextLine("x");
    file.OpenToWrite(dir / "b");
    file.WriteTextLine("y");
    file.CloseText();
    EXPECT_EQ(ReadBytes(dir / "a"), "x\r\n");
    EXPECT_EQ(ReadBytes(dir / "b"), "y\r\n");
}

TEST(TextFileSystem, OpeningAnotherFileRaisesWhatWritingOutMet)
{
    TempFolder dir;
    const std::string a = dir / "a";
    const std::string b = dir / "b";
    const int code = InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{2, 2};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        TTextFile file;
        file.OpenToWrite(a);
        file.WriteTextLine("abc");
        const int reopen = CodeOf([&] { file.OpenToWrite(b); });
        return reopen == EFBIG && !file.IsOpen() ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(fs::exists(b)) << "nothing is opened after a failed close";
}

// The platform's numbers as the codes they stand for: the four conditions with messages of
// their own, the lock, and every other failure apart from the codes that mean something else.
struct NumberCase {
    const char* name;
    int err;
    int open;
    int transfer;
};

class ErrorNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ErrorNumbers, StandForTheirCondition)
{
    EXPECT_EQ(OpenErrorCode(GetParam().err, "/tmp/file"), GetParam().open);
    EXPECT_EQ(TransferErrorCode(GetParam().err), GetParam().transfer);
}

INSTANTIATE_TEST_SUITE_P(
    TextFile, ErrorNumbers,
    ::testing::Values(
        NumberCase{"NoSuchFile", ENOENT, 2, 1002}, NumberCase{"NotAFolder", ENOTDIR, 3, ENOTDIR},
        NumberCase{"TooManyOpen", EMFILE, 4, EMFILE}, NumberCase{"AccessDenied", EACCES, 5, 5},
        NumberCase{"NotPermitted", EPERM, 5, 5}, NumberCase{"Locked", EWOULDBLOCK, 32, EWOULDBLOCK},
        NumberCase{"DeviceFailure", EIO, 1005, 1005}, NumberCase{"Interrupted", EINTR, 1004, 1004},
        NumberCase{"NoSuchProcess", ESRCH, 1003, 1003},
        NumberCase{"DiskFull", ENOSPC, ENOSPC, ENOSPC}, NumberCase{"TooLarge", EFBIG, EFBIG, EFBIG},
        NumberCase{"ConnectionReset", ECONNRESET, 1104, 1104}, NumberCase{"NoError", 0, 0, 0}),
    [](const auto& p) { return p.param.name; });

struct ErrorCase {
    const char* name;
    std::function<void(TTextFile&, const TempFolder&)> action;
    int code;
};

class ErrorCodes : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorCodes, RaiseTheirCode)
{
    TempFolder dir;
    fs::create_directory(dir / "folder");
    WriteBytes(dir / "file", "x\n");
    TTextFile file;
    EXPECT_EQ(CodeOf([&] { GetParam().action(file, dir); }), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    TextFile, ErrorCodes,
    ::testing::Values(
        ErrorCase{"MissingFile", [](TTextFile& f, auto& d) { f.OpenToRead(d / "none"); }, 2},
        ErrorCase{"MissingFolderRead",
                  [](TTextFile& f, auto& d) { f.OpenToRead(d / "no/such/file"); }, 3},
        ErrorCase{"MissingFolderWrite",
                  [](TTextFile& f, auto& d) { f.OpenToWrite(d / "no/such/file"); }, 3},
        ErrorCase{"FileUsedAsFolder", [](TTextFile& f, auto& d) { f.OpenToRead(d / "file/x"); }, 3},
        ErrorCase{"FolderReadAsFile", [](TTextFile& f, auto& d) { f.OpenToRead(d / "folder"); }, 5},
        ErrorCase{"FolderWrittenAsFile", [](TTextFile& f, auto& d) { f.OpenToWrite(d / "folder"); },
                  5},
        ErrorCase{"NameOver259Characters",
                  [](TTextFile& f, auto&) { f.OpenToRead("/tmp/" + std::string(255, 'n')); }, 3},
        ErrorCase{"CloseWhenClosed", [](TTextFile& f, auto&) { f.CloseText(); }, 103},
        ErrorCase{"ReadWhenClosed", [](TTextFile& f, auto&) { f.AtEndOfFile(); }, 103},
        ErrorCase{"ReadWhenWriting",
                  [](TTextFile& f, auto& d) {
                      f.OpenToWrite(d / "out");
                      f.ReadTextLine();
                  },
                  104},
        ErrorCase{"WriteWhenReading",
                  [](TTextFile& f, auto& d) {
                      f.OpenToRead(d / "file");
                      f.WriteTextLine("x");
                  },
                  105},
        ErrorCase{"WriteWhenClosed", [](TTextFile& f, auto&) { f.WriteTextLine("x"); }, 105},
        ErrorCase{"DeviceThatIsNoFilePipeOrConsole",
                  [](TTextFile& f, auto&) { f.OpenToWrite("/dev/null"); }, 105},
        // Reading a process's memory from its first byte fails with EIO, which must not show
        // as "File access denied".
        ErrorCase{"ReadFailureOfTheDevice",
                  [](TTextFile& f, auto&) {
                      f.OpenToRead("/proc/self/mem");
                      f.AtEndOfFile();
                  },
                  1005}),
    [](const auto& p) { return p.param.name; });

TEST(TextFile, AFailedOpenLeavesTheObjectClosed)
{
    TempFolder dir;
    TTextFile file;
    EXPECT_EQ(CodeOf([&] { file.OpenToRead(dir / "none"); }), 2);
    EXPECT_FALSE(file.IsOpen());
}

TEST(TextFile, ErrorsCarryTheirMessages)
{
    TempFolder dir;
    TTextFile file;
    try {
        file.OpenToRead(dir / "none");
        FAIL();
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "File not found");
        EXPECT_STREQ(e.ClassName(), "EInOutError");
    }
}

TEST(TextFileSharing, ReadersShareAWriterExcludes)
{
    TempFolder dir;
    WriteBytes(dir / "f", "x\n");
    TTextFile reader1;
    TTextFile reader2;
    reader1.OpenToRead(dir / "f");
    EXPECT_EQ(CodeOf([&] { reader2.OpenToRead(dir / "f"); }), 0);
    TTextFile writer;
    EXPECT_EQ(CodeOf([&] { writer.OpenToWrite(dir / "f"); }), 32);
    EXPECT_EQ(ReadBytes(dir / "f"), "x\n") << "a refused writer must not empty the file";
    reader1.CloseText();
    reader2.CloseText();
    EXPECT_EQ(CodeOf([&] { writer.OpenToWrite(dir / "f"); }), 0);
    TTextFile lateReader;
    EXPECT_EQ(CodeOf([&] { lateReader.OpenToRead(dir / "f"); }), 32);
}

TEST(TextFileSharing, DestroyingAnOpenObjectReleasesTheFile)
{
    TempFolder dir;
    {
        TTextFile abandoned;
        abandoned.OpenToWrite(dir / "f");
        abandoned.WriteTextLine("x");
    }
    TTextFile again;
    EXPECT_EQ(CodeOf([&] { again.OpenToWrite(dir / "f"); }), 0);
}

TEST(TextFileSystem, ReadOnlyFileDeniesWriting)
{
    TempFolder dir;
    WriteBytes(dir / "ro", "keep\n");
    fs::permissions(dir / "ro",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    // As root every file is writable: the check runs as an ordinary user.
    const int code = InChild([&] {
        if (::geteuid() == 0 && ::setuid(65534) != 0) {
            return 200;
        }
        TTextFile file;
        return CodeOf([&] { file.OpenToWrite(dir / "ro"); });
    });
    EXPECT_EQ(code, 5);
}

TEST(TextFileSystem, TooManyOpenFiles)
{
    TempFolder dir;
    WriteBytes(dir / "f", "x\n");
    const int code = InChild([&] {
        const rlimit limit{3, 3};
        ::setrlimit(RLIMIT_NOFILE, &limit);
        TTextFile file;
        return CodeOf([&] { file.OpenToRead(dir / "f"); });
    });
    EXPECT_EQ(code, 4);
}

// Standard output that is neither a file, a pipe nor a console: nothing is written to it.
struct NoOutputCase {
    const char* name;
    std::function<void(int socket)> makeStandardOutput;
};

class StandardOutputRefused : public ::testing::TestWithParam<NoOutputCase> {};

TEST_P(StandardOutputRefused, With105)
{
    int peer[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, peer), 0);
    const int code = InChild([&] {
        GetParam().makeStandardOutput(peer[0]);
        TTextFile file;
        return CodeOf([&] {
            file.OpenToWrite("");
            file.WriteTextLine("12,Ann,Lee");
            file.CloseText();
        });
    });
    ::close(peer[0]);
    char buffer[16];
    EXPECT_LE(::recv(peer[1], buffer, sizeof buffer, MSG_DONTWAIT), 0) << "nothing reached it";
    ::close(peer[1]);
    EXPECT_EQ(code, 105);
}

INSTANTIATE_TEST_SUITE_P(
    TextFileSystem, StandardOutputRefused,
    ::testing::Values(NoOutputCase{"Missing", [](int) { ::close(STDOUT_FILENO); }},
                      // A desktop's journal takes a program's standard output on a socket.
                      NoOutputCase{"Socket", [](int socket) { ::dup2(socket, STDOUT_FILENO); }},
                      NoOutputCase{"DeviceThatIsNoConsole",
                                   [](int) {
                                       const int null = ::open("/dev/null", O_WRONLY);
                                       ::dup2(null, STDOUT_FILENO);
                                   }}),
    [](const auto& p) { return p.param.name; });

// A file the text layer creates is its user's alone, whatever the umask; one that exists keeps
// the mode it has.
TEST(TextFileSystem, ANewFileIsTheUsersAloneAnExistingOneKeepsItsMode)
{
    TempFolder dir;
    WriteBytes(dir / "shared", "old\r\n");
    ::chmod((dir / "shared").c_str(), 0644);
    const mode_t umask = ::umask(022);
    for (const char* name : {"new", "shared"}) {
        TTextFile file;
        file.OpenToWrite(dir / name);
        file.WriteTextLine("12,Ann,Lee");
        file.CloseText();
    }
    ::umask(umask);
    struct stat made {};
    struct stat kept {};
    ASSERT_EQ(::stat((dir / "new").c_str(), &made), 0);
    ASSERT_EQ(::stat((dir / "shared").c_str(), &kept), 0);
    EXPECT_EQ(made.st_mode & 0777, 0600u);
    EXPECT_EQ(kept.st_mode & 0777, 0644u);
    EXPECT_EQ(ReadBytes(dir / "shared"), "12,Ann,Lee\r\n");
}

// A pipe whose reader has gone, in a program that does not end by the signal: the write fails
// with the platform's number set apart from the code of a file another holds open.
TEST(TextFileSystem, APipeWhoseReaderHasGoneFailsWithItsOwnNumber)
{
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ::close(fds[0]);  // the reader is gone before anything is written
    const int code = InChild([&] {
        std::signal(SIGPIPE, SIG_IGN);
        ::dup2(fds[1], STDOUT_FILENO);
        TTextFile file;
        // An exit status holds a byte: the child tells whether the code was the one expected.
        return CodeOf([&] {
                   file.OpenToWrite("");
                   for (int i = 0; i < 100; ++i) {
                       file.WriteTextLine(std::string(40, 'x'));
                   }
                   file.CloseText();
               }) == 1032
                   ? 0
                   : 1;
    });
    ::close(fds[1]);
    EXPECT_EQ(code, 0) << "the write fails with I/O error 1032";
}

TEST(TextFileSystem, StandardOutputPipeIsWritten)
{
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const int code = InChild([&] {
        ::dup2(fds[1], STDOUT_FILENO);
        TTextFile file;
        return CodeOf([&] {
            file.OpenToWrite("");
            file.WriteTextLine("to stdout");
            file.CloseText();
        });
    });
    ::close(fds[1]);
    char buffer[64] = {};
    const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
    ::close(fds[0]);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(std::string(buffer, std::size_t(std::max<ssize_t>(n, 0))), "to stdout\r\n");
}

TEST(TextFileSystem, AWriteFailureIsRaisedAndKeepsWhatReachedTheFile)
{
    TempFolder dir;
    const std::string path = dir / "limited";
    const int code = InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        TTextFile file;
        return CodeOf([&] {
            file.OpenToWrite(path);
            for (int i = 0; i < 100; ++i) {
                file.WriteTextLine(std::string(18, static_cast<char>('a' + i % 26)));
            }
            file.CloseText();
        });
    });
    EXPECT_EQ(code, EFBIG);
    const std::string written = ReadBytes(path);
    EXPECT_EQ(written.size() % TTextFile::kBufferSize, 1000u % TTextFile::kBufferSize);
    EXPECT_LE(written.size(), 1000u);
}

TEST(TextFileSystem, AFlushFailureIsRaisedByTheCloseAfterReleasingTheFile)
{
    TempFolder dir;
    const std::string path = dir / "limited";
    const int code = InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{2, 2};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        TTextFile file;
        file.OpenToWrite(path);
        file.WriteTextLine("abc");
        file.FlushText();  // meets the failure, does not raise it
        const int closeCode = CodeOf([&] { file.CloseText(); });
        return closeCode == EFBIG && !file.IsOpen() ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
}

struct MessageCase {
    int code;
    const char* message;
};

class Messages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(Messages, FollowTheTable)
{
    EXPECT_EQ(IOErrorMessage(GetParam().code), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    IOError, Messages,
    ::testing::Values(MessageCase{2, "File not found"}, MessageCase{3, "Invalid filename"},
                      MessageCase{4, "Too many open files"}, MessageCase{5, "File access denied"},
                      MessageCase{100, "Read beyond end of file"}, MessageCase{101, "Disk full"},
                      MessageCase{106, "Invalid numeric input"}, MessageCase{32, "I/O error 32"},
                      MessageCase{105, "I/O error 105"}, MessageCase{0, "I/O error 0"}));

}  // namespace
