#include "toolkit/ProgressBar.h"

TProgressBar::TProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void TProgressBar::StepIt()
{
    const int next = value() + step_;
    setValue(next > maximum() ? minimum() : next);
}
