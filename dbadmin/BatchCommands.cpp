#include "dbadmin/BatchCommands.h"
#include "l10n/Counts.h"
#include "l10n/PhraseText.h"

#include <unistd.h>

#include <QElapsedTimer>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "dbadmin/CommandLine.h"
#include "dbadmin/ListCheck.h"
#include "dbadmin/ListFile.h"
#include "dbadmin/Passwords.h"
#include "dbadmin/Receipt.h"
#include "export/ExportStudentList.h"
#include "import/BatchImport.h"
#include "import/ListFindings.h"
#include "import/PostingHistory.h"
#include "import/PostingUndo.h"
#include "import/StoredStudents.h"
#include "import/StudentListReader.h"
#include "store/engine/Session.h"
#include "store/list/Query.h"
#include "store/list/StudentListQuery.h"
#include "textio/Exception.h"
#include "toolkit/GridCells.h"

namespace {

// A text of the batch commands, and the same said in the user's language.
TPhrase Phrase(const char* source, std::vector<TPhrase> args = {},
               std::optional<long long> count = std::nullopt)
{
    return TPhrase("BatchCommands", source, std::move(args), count);
}

QString Said(const char* source, std::vector<TPhrase> args = {},
             std::optional<long long> count = std::nullopt)
{
    return Translated(Phrase(source, std::move(args), count));
}

}  // namespace

namespace {

// Logins from the options or the terminal; another job's write lock on SQLite waited for as
// long as --wait says.
void SetUpSession(TSession& session, const SubcommandLine& line, const DbAdminOptions& options)
{
    AnswerLogins(session, line, options);
    session.Engine().SetBusyTimeout(line.Number(options.wait, 0, 86400) * 1000);
}

class SilentReading : public ImportView {
public:
    void ShowLineCount(int) override {}
};

// Rows done of all and the rate, on a terminal only, at most ten times a second.
class Progress {
public:
    Progress() : terminal_(::isatty(STDERR_FILENO) != 0) { started_.start(); }
    void operator()(int done, int total)
    {
        if (!terminal_ || (shown_.isValid() && shown_.elapsed() < 100 && done < total)) {
            return;
        }
        shown_.start();
        const double seconds = double(std::max(started_.elapsed(), qint64(1))) / 1000.0;
        const QString line =
            Said(QT_TRANSLATE_NOOP("BatchCommands", "%1 of %2 rows stored (%3 rows/s)"),
                 {std::to_string(done), std::to_string(total),
                  std::to_string(std::llround(done / seconds))});
        std::fprintf(stderr, "\r%s%s", line.toUtf8().constData(), done == total ? "\n" : "");
    }

private:
    bool terminal_;
    QElapsedTimer started_;
    QElapsedTimer shown_;
};

// A dry run's rows as they would be stored, each after its line in the file, by tabs.
void PrintNumberedRows(const std::vector<TStudentRecord>& rows, const std::vector<int>& lines)
{
    QTextStream out(stdout);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        out << LineOfRow(lines, i) << '\t' << QString::fromStdString(rows[i].psid) << '\t'
            << rows[i].sequence << '\t' << QString::fromStdString(rows[i].studentId) << '\t'
            << QString::fromStdString(rows[i].firstName) << '\t'
            << QString::fromStdString(rows[i].lastName) << '\n';
    }
}

}  // namespace

int ImportCommand(const SubcommandLine& line, const DbAdminOptions& options)
{
    const QString alias = line.Positional()[0];
    const QString file = line.Positional()[1];
    if (line.IsSet(options.dryRun) && line.IsSet(options.receipt)) {
        throw UsageError(Phrase(
            QT_TRANSLATE_NOOP("BatchCommands", "--receipt has nothing to record in a --dry-run")));
    }
    TSession session;
    SetUpSession(session, line, options);

    const TListFile list(file);

    // The list is read exactly as "Import List" reads it into the review grid.
    TGridCells cells(3, 17);
    SilentReading reading;
    ReadStudentList(list.Path(), cells, reading);

    // The window's findings, the stored IDNums looked up before anything is stored.
    const bool check = line.IsSet(options.check);
    const bool dryRun = line.IsSet(options.dryRun);
    std::vector<int> lines = EachLine(cells);
    TListFindings findings;
    if (check || dryRun || line.IsSet(options.skipStored) || line.IsSet(options.fix)) {
        findings.Check(cells);
        if (line.IsSet(options.fix)) {
            FixList(file, cells, findings, lines);
        }
        LookUpStoredStudents(session, alias, findings);
    }
    if (line.IsSet(options.skipStored)) {
        const int skipped = SkipStoredRows(cells, findings, lines);
        QTextStream(stdout) << Said(QT_TRANSLATE_N_NOOP(
                                        "BatchCommands",
                                        "Left out %n line(s) whose IDNum is stored."),
                                    {}, skipped)
                            << '\n';
    }
    if ((check || dryRun) && ReportFindings(file, findings, lines) > 0 && check) {
        throw Exception(Phrase(
            QT_TRANSLATE_NOOP("BatchCommands", "nothing stored, as lines need a look (--check)")));
    }
    if (dryRun) {
        PrintNumberedRows(NumberRows(cells, StoredMaxima(session, alias)), lines);
        return 0;
    }
    std::optional<TReceiptWriter> receipt;
    if (line.IsSet(options.receipt)) {
        receipt.emplace(line.Value(options.receipt));
    }
    Progress progress;
    std::vector<TStudentRecord> records;
    const int stored = StoreStudentList(session, alias, cells, std::ref(progress), lines, &records);
    if (receipt) {
        receipt->Write(records);
    }
    QTextStream(stdout) << Said(QT_TRANSLATE_N_NOOP("BatchCommands",
                                                    "Stored %n row(s) in StudentList of %1."),
                                {alias.toStdString()}, stored)
                        << '\n';
    // The rows are stored: a history that cannot be written is told, and the job is done.
    try {
        TPostingHistory().Add(MakePostingEntry(session, alias, file, std::move(records),
                                               QString::fromStdString(list.Path())));
    } catch (const Exception& e) {
        QTextStream(stderr) << TranslatedMessage(e) << '\n';
    }
    return 0;
}

int ExportCommand(const SubcommandLine& line, const DbAdminOptions& options)
{
    const QString alias = line.Positional()[0];
    const QString file = line.Positional()[1];
    TSession session;
    SetUpSession(session, line, options);
    TQuery names(session);
    SetUpStudentListQuery(names, alias);
    if (file == QLatin1String("-")) {
        // The text file's empty name is standard output.
        ExportStudentList({}, names);
        return 0;
    }
    const long long students = ExportStudentListReplacing(file, names);
    QTextStream(stdout) << Said(QT_TRANSLATE_NOOP("BatchCommands", "Exported %1 to %2."),
                                {StudentsText(students).toStdString(), file.toStdString()})
                        << '\n';
    return 0;
}

namespace {

bool SameAlias(const QString& a, const std::string& b)
{
    return a.compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

int UndoCommand(const SubcommandLine& line, const DbAdminOptions& options)
{
    const QString alias = line.Positional()[0];
    const bool byNumber = line.IsSet(options.posting);
    if (byNumber == (line.Positional().size() == 2)) {
        throw UsageError(Phrase(QT_TRANSLATE_NOOP(
            "BatchCommands", "undo takes either a RECEIPT or --posting N, and one of them")));
    }
    TPostingHistory history;
    int number = 0;
    QString receipt;
    std::vector<TStudentRecord> records;
    int firstLine = 2;  // of the first record: the receipt's header is line 1
    if (byNumber) {
        number = line.Number(options.posting, 1, 1 << 30);
        const TPostingEntry entry = history.Read(number);
        if (!SameAlias(alias, entry.alias)) {
            throw Exception(Phrase(QT_TRANSLATE_NOOP("BatchCommands",
                                                     "posting %1 stored its students in %2, not "
                                                     "%3: name that alias to take it back"),
                                   {std::to_string(number), entry.alias, alias.toStdString()}));
        }
        if (!entry.undone.empty()) {
            throw Exception(Phrase(
                QT_TRANSLATE_NOOP("BatchCommands", "posting %1 was taken back already, at %2"),
                {std::to_string(number), entry.undone}));
        }
        receipt = history.PathOf(number);
        records = entry.records;
        firstLine = kPostingEntryFirstRecordLine;
    } else {
        receipt = line.Positional()[1];
        records = ReadReceipt(receipt);
    }
    TSession session;
    SetUpSession(session, line, options);
    const bool dryRun = line.IsSet(options.dryRun);
    const TUndoOutcome outcome = UndoPosting(session, alias, records, dryRun);
    if (byNumber && !dryRun) {
        history.MarkUndone(number, HistoryTimeNow());
    }
    QTextStream err(stderr);
    for (const auto& [index, why] : outcome.left) {
        err << receipt << ':' << (int(index) + firstLine) << ": "
            << Said(QT_TRANSLATE_NOOP("BatchCommands", "left, %1"), {why}) << '\n';
    }
    const std::string removed = StudentsText(outcome.removed).toStdString();
    const std::string left = StudentsText(qsizetype(outcome.left.size())).toStdString();
    const char* said =
        outcome.left.empty()
            ? (dryRun ? QT_TRANSLATE_NOOP("BatchCommands", "Would remove %1 from %2.")
                      : QT_TRANSLATE_NOOP("BatchCommands", "Removed %1 from %2."))
            : (dryRun ? QT_TRANSLATE_NOOP("BatchCommands",
                                          "Would remove %1 from %2 and leave %3, changed or "
                                          "removed since.")
                      : QT_TRANSLATE_NOOP("BatchCommands",
                                          "Removed %1 from %2 and left %3, changed or removed "
                                          "since."));
    QTextStream(stdout) << Translated(Phrase(said, {removed, alias.toStdString(), left})) << '\n';
    return 0;
}

int PostingsCommand(const SubcommandLine& line, const DbAdminOptions& options)
{
    const bool all = line.IsSet(options.all);
    if (all == (line.Positional().size() == 1)) {
        throw UsageError(Phrase(QT_TRANSLATE_NOOP(
            "BatchCommands", "postings takes either an ALIAS or --all, and one of them")));
    }
    const QString alias = all ? QString() : line.Positional()[0];
    QTextStream out(stdout);
    QTextStream err(stderr);
    for (const TPostingHistory::TListed& listed : TPostingHistory().List()) {
        if (!listed.entry) {
            err << QString::fromStdString(listed.refusal) << '\n';
            continue;
        }
        const TPostingEntry& entry = *listed.entry;
        if (!all && !SameAlias(alias, entry.alias)) {
            continue;
        }
        out << listed.number << '\t' << QString::fromStdString(entry.when) << '\t'
            << QString::fromStdString(entry.alias) << '\t' << listed.students << '\t'
            << QString::fromStdString(entry.file) << '\t' << QString::fromStdString(entry.undone)
            << '\n';
    }
    return 0;
}
