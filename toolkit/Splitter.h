#pragma once

#include <QSplitter>

// A vertical bar between a left and a right half. Dragging shows a hatched line where the bar
// would go and moves it on release; Esc cancels the drag. Each half keeps MinSize pixels, except
// that releasing with the left half at MinSize or less closes the left half.
class TSplitter : public QSplitter {
    Q_OBJECT
public:
    static constexpr int kMinSize = 30;

    explicit TSplitter(QWidget* parent = nullptr);

    // Where the left half ends when the bar is released at x.
    int ReleasedPosition(int x) const;

protected:
    QSplitterHandle* createHandle() override;
    void childEvent(QChildEvent* event) override;

private:
    friend class TSplitterHandle;
    void ShowDragLine(int x) { setRubberBand(x); }
    void HideDragLine() { setRubberBand(-1); }
    void MoveBar(int x);
};
