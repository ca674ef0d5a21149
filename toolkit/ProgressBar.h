#pragma once

#include <QProgressBar>

// Advances by its step; a step past the maximum starts it over from the minimum.
class TProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit TProgressBar(QWidget* parent = nullptr);
    int Step() const { return step_; }
    void StepIt();

private:
    int step_ = 1;
};
