#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QSplitter>

class TPanel : public QFrame {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr) : QFrame(parent) {}
};

class TImage : public QLabel {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr) : QLabel(parent) {}
};

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr) : QGroupBox(parent) {}
};

class TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TGroupBox(QWidget* parent = nullptr) : QGroupBox(parent) {}
};

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

private:
    friend class TSplitterHandle;
    void ShowDragLine(int x) { setRubberBand(x); }
    void HideDragLine() { setRubberBand(-1); }
    void MoveBar(int x);
};
