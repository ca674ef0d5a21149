#include "tests/support/ServerSteps.h"

#include <QProcess>
#include <QStringList>

bool RunServerSteps(const QString& steps)
{
    const QString folder = qEnvironmentVariable("PG_TEST_DIR");
    if (folder.isEmpty()) {
        return false;
    }
    QProcess step;
    step.setWorkingDirectory(folder);
    // The servers outlive this call: they must hold none of the caller's output open.
    step.setStandardOutputFile(folder + QStringLiteral("/step.log"), QIODevice::Append);
    step.setStandardErrorFile(folder + QStringLiteral("/step.log"), QIODevice::Append);
    step.start(QStringLiteral("bash"),
               {QStringLiteral("-c"), QStringLiteral("set -e; source '%1/pg-test-server.sh'; %2")
                                          .arg(QStringLiteral(CARDOVANE_SCRIPTS), steps)});
    return step.waitForFinished(120000) && step.exitStatus() == QProcess::NormalExit &&
           step.exitCode() == 0;
}
