#include "import/PostingHistory.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "store/engine/Engine.h"
#include "store/engine/Session.h"
#include "textio/Exception.h"
#include "textio/PrivateFiles.h"

namespace {

// More than an entry's own lines take (its file's name is the longest of them).
constexpr qint64 kHeadingBytes = 64 * 1024;

}  // namespace

namespace {

constexpr const char* kSuffix = ".posting";

// The numbers of the entries in the folder, in order.
std::vector<int> Numbers(const QString& folder)
{
    std::vector<int> numbers;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*") + QLatin1String(kSuffix)}, QDir::Files);
    for (const QString& name : names) {
        bool ok = false;
        const int number = name.chopped(int(std::char_traits<char>::length(kSuffix))).toInt(&ok);
        if (ok && number > 0) {
            numbers.push_back(number);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}  // namespace

TPostingHistory::TPostingHistory(QString folder) : folder_(std::move(folder))
{
}

QString TPostingHistory::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/cardovane/postings");
}

QString TPostingHistory::PathOf(int number) const
{
    return folder_ + QLatin1Char('/') + QString::number(number) + QLatin1String(kSuffix);
}

int TPostingHistory::Add(const TPostingEntry& entry)
{
    const auto refuse = [&](const QString& why) {
        throw Exception(
            TPhrase("History",
                    QT_TRANSLATE_NOOP("History",
                                      "Cannot write the history of postings in %1: %2; the "
                                      "posting itself is stored"),
                    {folder_.toStdString(), why.toStdString()}));
    };
    try {
        MakePrivateFolder(folder_);
    } catch (const Exception& e) {
        refuse(QString::fromStdString(e.Message()));
    }
    // Written whole beside the entries, then linked under the next free number: two programs
    // adding at once take two numbers, and neither entry replaces the other.
    QTemporaryFile working(folder_ + QStringLiteral("/.entry.XXXXXX"));
    const QByteArray text = QByteArray::fromStdString(PostingEntryText(entry));
    if (!working.open() || working.write(text) != text.size() || !working.flush() ||
        ::fsync(working.handle()) != 0) {
        refuse(working.errorString());
    }
    const QByteArray from = QFile::encodeName(working.fileName());
    const std::vector<int> numbers = Numbers(folder_);
    for (int number = numbers.empty() ? 1 : numbers.back() + 1;; ++number) {
        if (::link(from.constData(), QFile::encodeName(PathOf(number)).constData()) == 0) {
            return number;
        }
        if (errno != EEXIST) {
            refuse(QString::fromLocal8Bit(std::strerror(errno)));
        }
    }
}

std::vector<TPostingHistory::TListed> TPostingHistory::List() const
{
    std::vector<TListed> listed;
    for (const int number : Numbers(folder_)) {
        TListed one;
        one.number = number;
        try {
            one.entry = Read(number, &one.students);
        } catch (const Exception& e) {
            one.refusal = e.Message();
        }
        listed.push_back(std::move(one));
    }
    return listed;
}

TPostingEntry TPostingHistory::Read(int number, std::size_t* students) const
{
    QFile file(PathOf(number));
    if (!file.open(QIODevice::ReadOnly)) {
        throw Exception(
            TPhrase("History",
                    QT_TRANSLATE_NOOP("History",
                                      "There is no posting %1 in the history of postings "
                                      "(%2): cardovane-dbadmin postings lists the "
                                      "postings there are"),
                    {std::to_string(number), file.fileName().toStdString()}));
    }
    const QByteArray bytes = file.readAll();
    try {
        const std::string_view text(bytes.constData(), std::size_t(bytes.size()));
        return students ? ParsePostingEntryHeading(text, *students) : ParsePostingEntry(text);
    } catch (const Exception& e) {
        throw Exception(TPhrase("History", QT_TRANSLATE_NOOP("History", "%1: %2"),
                                {file.fileName().toStdString(), e.Phrase()}));
    }
}

void TPostingHistory::MarkUndone(int number, const std::string& when)
{
    TPostingEntry entry = Read(number);
    entry.undone = when;
    TReplacedFile file(
        PathOf(number), TReplacedFile::Mode::OwnerOnly,
        TPhrase("History", QT_TRANSLATE_NOOP("History", "the history of postings ")),
        TPhrase("History", QT_TRANSLATE_NOOP("History", "; the undo itself is done")));
    file.Write(QByteArray::fromStdString(PostingEntryText(entry)));
    file.Commit();
}

int TPostingHistory::Prune(const std::string& when)
{
    int removed = 0;
    for (const int number : Numbers(folder_)) {
        // An entry's own lines are at its start: its records are not read at all. An entry
        // whose lines cannot be read there stays, for the user to see.
        QFile file(PathOf(number));
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray start = file.read(kHeadingBytes);
        std::size_t students = 0;
        std::string posted;
        try {
            posted = ParsePostingEntryHeading(
                         std::string_view(start.constData(), std::size_t(start.size())), students)
                         .when;
        } catch (const Exception&) {
            continue;
        }
        // ISO 8601 times in UTC order as their text does.
        if (posted < when && QFile::remove(file.fileName())) {
            ++removed;
        }
    }
    return removed;
}

std::string HistoryTimeNow()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
}

TPostingEntry MakePostingEntry(TSession& session, const QString& alias, const QString& listFile,
                               std::vector<TStudentRecord> records, const QString& bytesFrom)
{
    TPostingEntry entry;
    entry.when = HistoryTimeNow();
    entry.file = listFile.toStdString();
    QFile file(bytesFrom.isEmpty() ? listFile : bytesFrom);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    // A list typed into the grid came from no file.
    if (!file.fileName().isEmpty() && file.open(QIODevice::ReadOnly) && hash.addData(&file)) {
        entry.fileHash = hash.result().toHex().toStdString();
    }
    entry.alias = alias.toStdString();
    session.Start();
    if (const TAlias* defined = session.Engine().FindAlias(alias)) {
        entry.database =
            (defined->IsSqlite() ? defined->path
                                 : defined->server + QLatin1Char('/') + defined->database)
                .toStdString();
    }
    entry.records = std::move(records);
    return entry;
}

QString HistorySettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/cardovane/postings.conf");
}

int HistoryKeepDays(const QString& settingsFile)
{
    const QSettings settings(settingsFile, QSettings::IniFormat);
    const QVariant value = settings.value(QStringLiteral("History/KeepDays"));
    if (!value.isValid()) {
        return kHistoryDays;
    }
    // A list of values (a comma in the line) is no number either.
    const QString text = value.typeId() == QMetaType::QString ? value.toString() : QString();
    bool number = false;
    const int days = text.toInt(&number);
    if (!number || days < 1 || days > kHistoryMostDays ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); })) {
        throw Exception(TPhrase(
            "History",
            QT_TRANSLATE_NOOP("History",
                              "KeepDays=%1 in %2 is not a whole number of days from 1 "
                              "to %3; correct it, or remove it to keep %4 days. No "
                              "posting was removed from the history"),
            {value.toStringList().join(QLatin1Char(',')).toStdString(), settingsFile.toStdString(),
             std::to_string(kHistoryMostDays), std::to_string(kHistoryDays)}));
    }
    return days;
}

int PruneHistory(TPostingHistory& history, const QString& settingsFile)
{
    const int days = HistoryKeepDays(settingsFile);
    return history.Prune(
        QDateTime::currentDateTimeUtc().addDays(-days).toString(Qt::ISODate).toStdString());
}
