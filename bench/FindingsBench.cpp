// The review grid's findings at district size: a 100,000-row list, half of it stored already,
// checked against 1,000,000 stored students on SQLite and on PostgreSQL, beside the time the
// import takes to fill the grid; then one corrected cell checked again; and the memory the
// findings hold.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/BenchSupport.h"
#include "import/ListFindings.h"
#include "import/StoredStudents.h"
#include "import/StudentListReader.h"
#include "store/datamodule/DataModule.h"
#include "store/engine/Session.h"
#include "toolkit/GridCells.h"

namespace {

class Silent : public ImportView {
public:
    void ShowLineCount(int) override {}
};

// Lines whose IDNums run from 1,450,000: the stored students are 500,000 to 1,499,999, so the
// first half of the list is stored already.
void WriteHalfStoredList(const QString& path, int lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::exit(1);
    }
    QByteArray block;
    for (int i = 0; i < lines; ++i) {
        static const char* const kFirst[] = {"John", "Joan", "Amy", "Bob", "Maria", "Chen", "Ann"};
        static const char* const kLast[] = {"Smith", "Lin", "Ray", "Garcia", "Wei", "Lee"};
        block +=
            QByteArray::number(1450000 + i) + ',' + kFirst[i % 7] + ',' + kLast[i % 6] + "\r\n";
    }
    file.write(block);
}

void Measure(bool postgres, int stored, int lines)
{
    QTemporaryDir dir;
    bench::PrepareStudentList(postgres, dir.path(), stored);
    const QString list = dir.filePath(QStringLiteral("list.csv"));
    WriteHalfStoredList(list, lines);
    const char* engine = postgres ? "PostgreSQL" : "SQLite";

    TGridCells cells(3, 17);
    Silent silent;
    const bench::Stopwatch reading;
    ReadStudentList(list.toStdString(), cells, silent);
    const double readSeconds = reading.Seconds();

    TSession session;
    session.OpenDatabase(kStudentAlias);  // connected before the clock, as the window is
    const long beforeKb = bench::ResidentKb();
    TListFindings findings;
    const bench::Stopwatch checking;
    findings.Check(cells);
    const double ruleSeconds = checking.Seconds();
    LookUpStoredStudents(session, kStudentAlias, findings);
    const std::string summary = findings.Summary().English();
    const double checkSeconds = checking.Seconds();
    const long heldKb = bench::ResidentKb() - beforeKb;

    // One correction: an IDNum typed anew is checked, looked up and counted again.
    const bench::Stopwatch edit;
    cells.SetCell(0, lines / 2, "9999999");
    findings.CheckRow(cells, lines / 2);
    LookUpStoredStudents(session, kStudentAlias, findings, lines / 2);
    const std::string after = findings.Summary().English();
    const double editSeconds = edit.Seconds();

    std::printf("%-10s import of %d lines into the grid: %.3f s\n", engine, lines, readSeconds);
    std::printf("%-10s findings with %d stored: %.3f s (rules %.3f s); %s\n", engine, stored,
                checkSeconds, ruleSeconds, summary.c_str());
    std::printf("%-10s one corrected IDNum checked again: %.1f ms\n", engine, editSeconds * 1000);
    std::printf("%-10s memory the findings hold: %.1f MB\n", engine, double(heldKb) / 1024.0);
    std::printf("%-10s after it: %s\n", engine, after.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int stored = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const int lines = argc > 2 ? std::atoi(argv[2]) : 100000;
    Measure(false, stored, lines);
    if (!qEnvironmentVariableIsEmpty("CARDOVANE_TEST_PGPORT")) {
        Measure(true, stored, lines);
    }
    return 0;
}
