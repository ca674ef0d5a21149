// The student list beside the grid with 1,000, 100,000 and 1,000,000 students stored, on SQLite
// and on PostgreSQL: the time and processor time from the program's start until it is idle with
// the list shown, the memory it then holds, and the posting's closing refresh of the list. Each
// size is measured in a fresh process of its own.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/MainWindow.h"
#include "bench/BenchSupport.h"
#include "store/datamodule/DataModule.h"
#include "toolkit/DBGrid.h"

namespace {

// Handles events until none is left, and at least until the condition holds.
bool RunUntilIdle(const std::function<bool()>& ready)
{
    const bench::Stopwatch limit;
    while (limit.Seconds() < 120) {
        const bool busy =
            QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents);
        if (!busy && ready()) {
            return true;
        }
    }
    return false;
}

int Measure(const bench::Stopwatch& sinceStart, bool postgres, int students)
{
    bench::ShownProgram program;
    TfDM1& dm = program.dm;
    if (!program.Exposed()) {
        return 1;
    }
    const double shown = sinceStart.Seconds();
    if (!RunUntilIdle([&] { return dm.QNames.Active(); })) {
        return 1;
    }
    const double idle = sinceStart.Seconds();
    const double cpu = bench::CpuSeconds();
    const long residentKb = bench::ResidentKb();

    // The refresh that ends a posting: the list closed and opened again, and shown.
    const bench::Stopwatch refresh;
    dm.QNames.Close();
    dm.QNames.Open();
    RunUntilIdle([] { return true; });
    const double refreshSeconds = refresh.Seconds();

    std::printf(
        "%-10s %9d students: window shown %.3f s, idle %.3f s after start "
        "(%.3f s after shown; processor %.3f s), %.1f MB resident; "
        "closing refresh %.1f ms\n",
        postgres ? "PostgreSQL" : "SQLite", students, shown, idle, idle - shown, cpu,
        double(residentKb) / 1024.0, refreshSeconds * 1000.0);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const bench::Stopwatch sinceStart;
    QApplication qapp(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args[1] == QLatin1String("measure")) {
        // The alias's configuration folder was given in XDG_CONFIG_HOME by the run below.
        return Measure(sinceStart, args[2] == QLatin1String("postgres"), args[3].toInt());
    }
    for (const bool postgres : {false, true}) {
        if (postgres && qEnvironmentVariableIntValue("CARDOVANE_TEST_PGPORT") == 0) {
            continue;
        }
        for (const int students : {1000, 100000, 1000000}) {
            QTemporaryDir dir;
            bench::PrepareStudentList(postgres, dir.path(), students);
            QProcess run;
            run.setProcessChannelMode(QProcess::ForwardedChannels);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
            run.setProcessEnvironment(env);
            run.setWorkingDirectory(dir.path());
            run.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("measure"),
                       postgres ? QStringLiteral("postgres") : QStringLiteral("sqlite"),
                       QString::number(students)});
            if (!run.waitForFinished(300000) || run.exitCode() != 0) {
                std::fprintf(stderr, "the measuring run failed (%d students)\n", students);
                return 1;
            }
        }
    }
    return 0;
}
