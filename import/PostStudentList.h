#pragma once

#include <chrono>
#include <vector>

#include "store/table/StudentRecord.h"

class QString;
class TGridCells;
class TfDM1;

// What a posting shows while it runs.
class PostingView {
public:
    virtual ~PostingView() = default;
    virtual void SetProgressLabel(const QString& text) = 0;
    // Shows the row of the list going in, at once.
    virtual void ShowRow(int row) = 0;
    // Advances the progress bar by its step and repaints it at once.
    virtual void StepProgress() = 0;
};

// Inserts one StudentList record per data row of the review grid's cells, with its name key and
// next sequence number, then reopens the student list (the work of "Add List To Database"). The
// pause after each row lets the user follow the rows as they go in. Raises at the failing step;
// rows inserted before it stay. Each record stored is added to `posted` as it goes in.
void PostStudentList(const TGridCells& cells, TfDM1& dm, PostingView& view,
                     std::chrono::milliseconds pause, std::vector<TStudentRecord>& posted);
