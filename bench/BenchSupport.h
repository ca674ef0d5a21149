#pragma once

#include <QString>
#include <chrono>
#include <string>

// Small helpers shared by the benchmark programs.
namespace bench {

// Resident and peak resident memory of this process, in kilobytes.
long ResidentKb();
long PeakResidentKb();
// Resets the peak to what is resident now, so that a peak measures one step.
void ResetPeak();

// A student list of n lines of the given shape, "id,First,Last" with CR LF.
void WriteStudentList(const QString& path, int lines);

// Defines the alias DVK in a fresh configuration folder: on a SQLite file, or on the PostgreSQL
// server named by CARDOVANE_TEST_PGPORT (started by bench/run.sh).
void DefineSqliteAlias(const QString& folder, const QString& databaseFile);
// `port`: another than the server's own, such as a pooler's in front of it. `withStandby`: the
// alias names the server's standby beside it, with libpq's read-write target.
bool DefinePostgresAlias(const QString& folder, const QString& database, int port = 0,
                         bool withStandby = false);

// Runs a shell command and answers the seconds it took.
double TimeCommand(const std::string& command);
// The processor time of this process so far, and that of a shell command, in seconds.
double CpuSeconds();
double CommandCpuSeconds(const std::string& command);

class Stopwatch {
public:
    Stopwatch() : start_(std::chrono::steady_clock::now()) {}
    double Seconds() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};

}  // namespace bench

#include <QDialog>

#include "app/MainWindow.h"
#include "store/datamodule/DataModule.h"
#include "toolkit/Application.h"

namespace bench {

// Answers the file dialog with a chosen file and every message box with OK, printing its text.
class AnsweringSeam : public TModalSeam {
public:
    QString file;
    int Exec(QDialog& dialog) override;
};

// The real program, its window shown and activated; Exposed waits until it is on the screen.
class ShownProgram {
public:
    ShownProgram();
    bool Exposed();

    AnsweringSeam seam;
    TApplication app;
    TfMain window;
    TfDM1 dm;
};

// A connection of the benchmark's own: recreates an empty StudentList and fills it with rows.
// The table keeps its sequence numbers unique, or has the plain index of earlier versions.
QString OpenAdminConnection(bool postgres, const QString& sqliteFile, const QString& pgDatabase);
void RecreateTable(const QString& connection, int rows, bool uniqueKey = true);
// Defines DVK in folder (on folder/students.db, or on the benchmark server's database) and
// recreates its StudentList with rows students; answers the SQLite file.
QString PrepareStudentList(bool postgres, const QString& folder, int rows, bool uniqueKey = true);

}  // namespace bench
