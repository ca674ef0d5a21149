// The codes a text file's failures carry and the messages they show.
#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/textio/TextFileSupport.h"
#include "textio/ErrorNumbers.h"

namespace {

using namespace textfile_test;

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
    const char* message;
};

class ErrorCodes : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorCodes, RaiseTheirCodeAndMessage)
{
    TempFolder dir;
    fs::create_directory(dir / "folder");
    WriteBytes(dir / "file", "x\n");
    TTextFile file;
    try {
        GetParam().action(file, dir);
        FAIL() << "nothing raised";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Code(), GetParam().code);
        EXPECT_EQ(e.Message(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    TextFile, ErrorCodes,
    ::testing::Values(
        ErrorCase{"MissingFile", [](TTextFile& f, auto& d) { f.OpenToRead(d / "none"); }, 2,
                  "File not found"},
        ErrorCase{"MissingFolderRead",
                  [](TTextFile& f, auto& d) { f.OpenToRead(d / "no/such/file"); }, 3,
                  "Invalid filename"},
        ErrorCase{"MissingFolderWrite",
                  [](TTextFile& f, auto& d) { f.OpenToWrite(d / "no/such/file"); }, 3,
                  "Invalid filename"},
        ErrorCase{"FileUsedAsFolder", [](TTextFile& f, auto& d) { f.OpenToRead(d / "file/x"); }, 3,
                  "Invalid filename"},
        ErrorCase{"FolderReadAsFile", [](TTextFile& f, auto& d) { f.OpenToRead(d / "folder"); }, 5,
                  "File access denied"},
        ErrorCase{"FolderWrittenAsFile", [](TTextFile& f, auto& d) { f.OpenToWrite(d / "folder"); },
                  5, "File access denied"},
        ErrorCase{"NameOver259Characters",
                  [](TTextFile& f, auto&) { f.OpenToRead("/tmp/" + std::string(255, 'n')); }, 3,
                  "Invalid filename"},
        ErrorCase{"CloseWhenClosed", [](TTextFile& f, auto&) { f.CloseText(); }, 103,
                  "I/O error 103"},
        ErrorCase{"ReadWhenClosed", [](TTextFile& f, auto&) { f.AtEndOfFile(); }, 103,
                  "I/O error 103"},
        ErrorCase{"ReadWhenWriting",
                  [](TTextFile& f, auto& d) {
                      f.OpenToWrite(d / "out");
                      f.ReadTextLine();
                  },
                  104, "I/O error 104"},
        ErrorCase{"WriteWhenReading",
                  [](TTextFile& f, auto& d) {
                      f.OpenToRead(d / "file");
                      f.WriteTextLine("x");
                  },
                  105, "I/O error 105"},
        ErrorCase{"WriteWhenClosed", [](TTextFile& f, auto&) { f.WriteTextLine("x"); }, 105,
                  "I/O error 105"},
        ErrorCase{"DeviceThatIsNoFilePipeOrConsole",
                  [](TTextFile& f, auto&) { f.OpenToWrite("/dev/null"); }, 105, "I/O error 105"},
        // Reading a process's memory from its first byte fails with EIO, which must not show
        // as "File access denied".
        ErrorCase{"ReadFailureOfTheDevice",
                  [](TTextFile& f, auto&) {
                      f.OpenToRead("/proc/self/mem");
                      f.AtEndOfFile();
                  },
                  1005, "I/O error 1005"}),
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

}  // namespace
