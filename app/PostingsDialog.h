#pragma once

#include <QDialog>
#include <QString>
#include <algorithm>
#include <vector>

#include "import/PostingHistory.h"

class QPushButton;
class QTreeWidget;
class TApplication;
class TfDM1;

// "Postings...": the user's history of postings into the window's alias, newest first, each
// with how many of its students are still as it stored them; the one chosen is taken back, after
// asking, exactly those records, once.
class TPostingsDialog : public QDialog {
    Q_OBJECT

public:
    TPostingsDialog(TApplication& app, TfDM1& dm, QWidget* parent);
    // What the undo made said, for the status bar; empty while none was made.
    const QString& Outcome() const { return outcome_; }
    // Whether the posting of that number was taken back here.
    bool TookBack(int number) const
    {
        return std::find(tookBack_.begin(), tookBack_.end(), number) != tookBack_.end();
    }

private:
    // Lists the postings, `chosen` (a number) the current one where it is listed.
    void Fill(int chosen = 0);
    void ChoiceChanged();
    void UndoChosen();

    TApplication& app_;
    TfDM1& dm_;
    TPostingHistory history_;
    std::vector<TPostingHistory::TListed> shown_;  // in the list's order
    QTreeWidget* list_;
    QPushButton* undo_;
    QString outcome_;
    std::vector<int> tookBack_;
};
