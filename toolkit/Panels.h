#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLabel>

// Containers, labels and pictures: nothing here takes the focus.
enum class TBevel { bvNone, bvLowered, bvRaised };

// A container; with bevels, an outer and an inner one, each one pixel, drawn in the desktop's
// button shadow and highlight colours.
class TPanel : public QFrame {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr) : QFrame(parent) {}
    void SetBevels(TBevel outer, TBevel inner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBevel outer_ = TBevel::bvNone;
    TBevel inner_ = TBevel::bvNone;
};

class TImage : public QLabel {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr) : QLabel(parent) {}
};

class TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TGroupBox(QWidget* parent = nullptr) : QGroupBox(parent) {}
};

class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr) : QLabel(parent) {}

    // A caption longer than the label's room ends in an ellipsis instead of being cut off
    // unseen; the whole caption is then the label's tooltip, where it has none of its own. A
    // screen reader reads the whole caption all the same.
    void SetElided(bool elided)
    {
        elided_ = elided;
        update();
    }
    bool Elided() const { return elided_; }
    // Whether the caption is longer than the label's room.
    bool CaptionCut() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool elided_ = false;
};
