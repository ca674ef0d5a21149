#pragma once

#include <QString>

// Runs steps of the test script's server control (scripts/pg-test-server.sh) on the server the
// test or benchmark command started: restarts, a standby and its promotion. Answers whether they
// all succeeded; false where no server was started.
bool RunServerSteps(const QString& steps);
