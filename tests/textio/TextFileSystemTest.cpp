// Text files as the system gives them: files shared with other programs, read-only files, the
// limit on open files, standard output of every kind, pipes, failing writes and flushes.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <csignal>

#include <gtest/gtest.h>

#include "tests/textio/TextFileSupport.h"

namespace {

using namespace textfile_test;

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
        try {
            file.OpenToRead(dir / "f");
        } catch (const EInOutError& e) {
            return e.Message() == "Too many open files" ? e.Code() : 99;
        }
        return 0;
    });
    EXPECT_EQ(code, 4) << "99: the code's own message is not shown";
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

}  // namespace
