#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "store/datamodule/DataModule.h"
#include "tests/support/ScriptedSeam.h"
#include "tests/support/TestDatabase.h"
#include "toolkit/Application.h"

// The main window and the data module on a real database, built as start-up builds them, with
// the student list open, for driving the posting and the export by their buttons.
class Workbench {
public:
    explicit Workbench(Backend backend, const TestDatabase::Options& options = {});

    // Puts rows of (id, first name, last name) into the review grid, as an import would.
    void FillGrid(const std::vector<std::vector<std::string>>& rows);
    // The texts of the message boxes shown since the last call.
    QStringList TakeMessages();

    ScriptedSeam seam;
    TApplication app;
    TestDatabase db;
    std::unique_ptr<TfMain> window;
    std::unique_ptr<TfDM1> dm;

private:
    std::size_t seen_ = 0;
};
