// A file replaced whole: the mode it ends with, links, and what a refusal or an abandoned
// replacement leaves behind.
#include <sys/stat.h>

#include <QString>
#include <optional>

#include <gtest/gtest.h>

#include "tests/textio/TextFileSupport.h"
#include "textio/PrivateFiles.h"

namespace {

using namespace textfile_test;

int ModeOf(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

int Entries(const TempFolder& dir)
{
    return int(std::distance(fs::directory_iterator(dir / ""), fs::directory_iterator()));
}

struct ModeCase {
    const char* name;
    std::optional<int> before;  // the mode of the file replaced, none when there is none
    TReplacedFile::Mode mode;
    int after;
};

class ReplacedFileMode : public testing::TestWithParam<ModeCase> {};

TEST_P(ReplacedFileMode, EndsWithItsModeAndContents)
{
    const ModeCase& c = GetParam();
    TempFolder dir;
    const std::string path = dir / "list.csv";
    if (c.before) {
        WriteBytes(path, "old\r\n");
        ::chmod(path.c_str(), mode_t(*c.before));
    }
    TReplacedFile file(QString::fromStdString(path), c.mode);
    file.Write("new\r\n");
    EXPECT_EQ(ReadBytes(path), c.before ? "old\r\n" : "") << "in place before the commit";
    file.Commit();
    EXPECT_EQ(ReadBytes(path), "new\r\n");
    EXPECT_EQ(ModeOf(path), c.after);
    EXPECT_EQ(Entries(dir), 1) << "nothing left beside it";
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ReplacedFileMode,
    testing::Values(ModeCase{"NewPrivate", std::nullopt, TReplacedFile::Mode::OwnerOnly, 0600},
                    ModeCase{"NewKeeping", std::nullopt, TReplacedFile::Mode::KeepMode, 0600},
                    ModeCase{"SharedMadePrivate", 0644, TReplacedFile::Mode::OwnerOnly, 0600},
                    ModeCase{"SharedKept", 0644, TReplacedFile::Mode::KeepMode, 0644},
                    ModeCase{"GroupKept", 0660, TReplacedFile::Mode::KeepMode, 0660}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReplacedFile, ALinkStaysAndItsFileIsReplaced)
{
    TempFolder dir;
    WriteBytes(dir / "real.csv", "old\r\n");
    fs::create_symlink(dir / "real.csv", dir / "link.csv");
    TReplacedFile file(QString::fromStdString(dir / "link.csv"), TReplacedFile::Mode::KeepMode);
    file.Write("new\r\n");
    file.Commit();
    EXPECT_TRUE(fs::is_symlink(dir / "link.csv"));
    EXPECT_EQ(ReadBytes(dir / "real.csv"), "new\r\n");
}

TEST(ReplacedFile, AbandonedLeavesTheFileAsItWas)
{
    TempFolder dir;
    WriteBytes(dir / "a.csv", "old\r\n");
    {
        TReplacedFile file(QString::fromStdString(dir / "a.csv"), TReplacedFile::Mode::KeepMode);
        file.Write("half");
    }
    EXPECT_EQ(ReadBytes(dir / "a.csv"), "old\r\n");
    EXPECT_EQ(Entries(dir), 1);
}

TEST(ReplacedFile, RefusalNamesTheFileAsTheUserNamedItWithTheNote)
{
    TempFolder dir;
    const std::string path = dir / "missing/receipt.csv";
    try {
        TReplacedFile file(QString::fromStdString(path), TReplacedFile::Mode::OwnerOnly,
                           "the receipt ", " (nothing stored)");
        FAIL() << "a file in a missing folder was taken";
    } catch (const Exception& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind("Cannot write the receipt " + path + ": ", 0), 0u) << message;
        EXPECT_TRUE(message.ends_with(" (nothing stored)")) << message;
    }
}

}  // namespace
