// The history of postings as files: entries numbered in turn and the user's alone, each read
// back as written; one that is not an entry is named and the others still listed; an undo is
// recorded in its entry; old entries go; and programs adding at once lose none.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <set>
#include <thread>

#include "import/PostingHistory.h"
#include "textio/Exception.h"

namespace {

TPostingEntry Entry(const std::string& when, const std::string& file)
{
    return {when,
            file,
            std::string(64, 'a'),
            "DVK",
            "/srv/students.db",
            "",
            {{"anle", 1, "1001", "Ann", "Lee"}, {"bora", 2, "1002", "Bob", "Ray"}}};
}

mode_t ModeOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 0777;
}

TEST(PostingHistory, KeepsEachPostingUnderTheNextNumberForTheUserAlone)
{
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("data/cardovane/postings"));
    TPostingHistory history(folder);
    EXPECT_TRUE(history.List().empty());
    EXPECT_EQ(history.Add(Entry("2026-12-01T08:00:00Z", "monday.csv")), 1);
    EXPECT_EQ(history.Add(Entry("2026-12-02T08:00:00Z", "tuesday.csv")), 2);
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_EQ(ModeOf(folder + QStringLiteral("/2.posting")), 0600u);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no file left over";
    EXPECT_EQ(history.Read(2), Entry("2026-12-02T08:00:00Z", "tuesday.csv"));

    history.MarkUndone(1, "2026-12-03T09:00:00Z");
    TPostingEntry undone = Entry("2026-12-01T08:00:00Z", "monday.csv");
    undone.undone = "2026-12-03T09:00:00Z";
    EXPECT_EQ(history.Read(1), undone);
    EXPECT_EQ(ModeOf(folder + QStringLiteral("/1.posting")), 0600u);
}

TEST(PostingHistory, AnEntryThatIsNoneIsNamedAndTheOthersAreListed)
{
    QTemporaryDir home;
    TPostingHistory history(home.path());
    history.Add(Entry("2026-12-01T08:00:00Z", "a.csv"));
    history.Add(Entry("2026-12-02T08:00:00Z", "b.csv"));
    history.Add(Entry("2026-12-03T08:00:00Z", "c.csv"));
    QFile broken(home.filePath(QStringLiteral("2.posting")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("cardovane posting\r\nwhen,x\r\nfile\r\n");
    broken.close();
    QFile(home.filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);

    const std::vector<TPostingHistory::TListed> listed = history.List();
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0].entry->file, "a.csv");
    EXPECT_FALSE(listed[1].entry);
    EXPECT_NE(listed[1].refusal.find("2.posting: line 3: the line is not \"file,"),
              std::string::npos)
        << listed[1].refusal;
    EXPECT_EQ(listed[2].entry->file, "c.csv");
    EXPECT_THROW(history.Read(2), Exception);
    try {
        history.Read(9);
        ADD_FAILURE() << "read a posting that is not there";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message().rfind("There is no posting 9 in the history of postings", 0), 0u)
            << e.Message();
    }
    // Numbers go on after the highest, never reusing one.
    EXPECT_EQ(history.Add(Entry("2026-12-04T08:00:00Z", "d.csv")), 4);
}

TEST(PostingHistory, PrunesOnlyWhatIsOlderAndKeepsWhatCannotBeRead)
{
    QTemporaryDir home;
    TPostingHistory history(home.path());
    history.Add(Entry("2026-05-31T23:59:59Z", "old.csv"));
    history.Add(Entry("2026-06-01T00:00:00Z", "kept.csv"));
    QFile broken(home.filePath(QStringLiteral("3.posting")));
    broken.open(QIODevice::WriteOnly);
    broken.write("not an entry");
    broken.close();
    EXPECT_EQ(history.Prune("2026-06-01T00:00:00Z"), 1);
    const std::vector<TPostingHistory::TListed> listed = history.List();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].entry->file, "kept.csv");
    EXPECT_EQ(listed[1].number, 3);
}

// How long entries are kept is the user's setting; one that is not a number of days is refused
// with its file and value, and nothing is pruned by it.
TEST(PostingHistory, KeepsEntriesForTheDaysTheSettingSays)
{
    const struct {
        const char* file;  // the settings file's text, or none
        int days;          // 0: refused
    } cases[] = {
        {nullptr, kHistoryDays},
        {"", kHistoryDays},
        {"[Aliases]\nKeepDays=3\n", kHistoryDays},
        {"[History]\nKeepDays=30\n", 30},
        {"[History]\nKeepDays = 7\n", 7},
        {"[History]\nKeepDays=1\n", 1},
        {"[History]\nKeepDays=36500\n", kHistoryMostDays},
        {"[History]\nKeepDays=0\n", 0},
        {"[History]\nKeepDays=-5\n", 0},
        {"[History]\nKeepDays=36501\n", 0},
        {"[History]\nKeepDays=\n", 0},
        {"[History]\nKeepDays=thirty\n", 0},
        {"[History]\nKeepDays=30 days\n", 0},
        {"[History]\nKeepDays=+30\n", 0},
        {"[History]\nKeepDays=30,60\n", 0},
        {"[History]\nKeepDays=99999999999\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "(no file)");
        QTemporaryDir home;
        const QString settings = home.filePath(QStringLiteral("postings.conf"));
        if (c.file) {
            QFile file(settings);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.file);
        }
        TPostingHistory history(home.filePath(QStringLiteral("postings")));
        const std::string old = QDateTime::currentDateTimeUtc()
                                    .addDays(-(c.days ? c.days : kHistoryDays) - 1)
                                    .toString(Qt::ISODate)
                                    .toStdString();
        history.Add(Entry(old, "old.csv"));
        history.Add(Entry(HistoryTimeNow(), "new.csv"));
        if (c.days == 0) {
            try {
                PruneHistory(history, settings);
                ADD_FAILURE() << "accepted";
            } catch (const Exception& e) {
                EXPECT_NE(e.Message().find(" in " + settings.toStdString() +
                                           " is not a whole number of days from 1 to 36500"),
                          std::string::npos)
                    << e.Message();
                EXPECT_EQ(e.Message().rfind("KeepDays=", 0), 0u) << e.Message();
            }
            EXPECT_EQ(history.List().size(), 2u) << "a refused setting removes nothing";
            continue;
        }
        EXPECT_EQ(HistoryKeepDays(settings), c.days);
        EXPECT_EQ(PruneHistory(history, settings), 1);
        ASSERT_EQ(history.List().size(), 1u);
        EXPECT_EQ(history.List()[0].entry->file, "new.csv");
    }
}

TEST(PostingHistory, ProgramsAddingAtOnceLoseNoEntry)
{
    QTemporaryDir home;
    constexpr int kEach = 40;
    std::vector<std::thread> programs;
    for (int p = 0; p < 4; ++p) {
        programs.emplace_back([&, p] {
            TPostingHistory history(home.path());
            for (int i = 0; i < kEach; ++i) {
                history.Add(Entry("2026-12-01T08:00:00Z", std::to_string(p * kEach + i)));
            }
        });
    }
    for (std::thread& program : programs) {
        program.join();
    }
    std::set<std::string> files;
    for (const TPostingHistory::TListed& listed : TPostingHistory(home.path()).List()) {
        ASSERT_TRUE(listed.entry) << listed.refusal;
        files.insert(listed.entry->file);
    }
    EXPECT_EQ(files.size(), 4u * kEach);
}

}  // namespace
