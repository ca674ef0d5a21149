// Reading and writing text files: the lines as every reader of the program reads them, the line
// ends written, the buffer and when it is written out.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "tests/textio/TextFileSupport.h"

namespace {

using namespace textfile_test;

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

}  // namespace
