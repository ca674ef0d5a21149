#pragma once

#include <chrono>
#include <vector>

#include "import/PostingReceipt.h"

class QString;
class TStringGrid;
class TfDM1;

// What a posting shows while it runs.
class PostingView {
public:
    virtual ~PostingView() = default;
    virtual void SetProgressLabel(const QString& text) = 0;
    // Advances the progress bar by its step and repaints it at once.
    virtual void StepProgress() = 0;
};

// Inserts one StudentList record per data row of the review grid, with its name key and next
// sequence number, then reopens the student list (the work of "Add List To Database"). The pause
// after each row lets the user follow the rows as they go in. Raises at the failing step; rows
// inserted before it stay. Each record stored is added to `posted` as it goes in.
void PostStudentList(TStringGrid& grid, TfDM1& dm, PostingView& view,
                     std::chrono::milliseconds pause, std::vector<TPostedRecord>& posted);
