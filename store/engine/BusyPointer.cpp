#include "store/engine/BusyPointer.h"

#include <exception>

#include "toolkit/PointerShape.h"

namespace {

constexpr int kBusyTickMs = 50;

}  // namespace

THourglass::THourglass() : pointer_(InstalledPointerShape())
{
    if (pointer_ && pointer_->Overridden()) {
        pointer_ = nullptr;
    }
    if (pointer_) {
        pointer_->Override(Qt::WaitCursor);
    }
}

THourglass::~THourglass()
{
    if (pointer_) {
        pointer_->Restore();
    }
}

TBusyPointer::TBusyPointer()
{
    timer_.setInterval(kBusyTickMs);
    connect(&timer_, &QTimer::timeout, this, &TBusyPointer::Tick);
}

TBusyPointer::WorkScope::WorkScope(TBusyPointer& pointer)
    : pointer_(pointer), exceptions_(std::uncaught_exceptions())
{
    pointer_.ServerWorking();
}

TBusyPointer::WorkScope::~WorkScope()
{
    if (std::uncaught_exceptions() > exceptions_) {
        pointer_.Restore();
    }
}

void TBusyPointer::ServerWorking()
{
    sinceReport_.restart();
    if (!showing_ && InstalledPointerShape()) {
        shown_ = InstalledPointerShape();
        shown_->Override(Qt::BusyCursor);
        showing_ = true;
        timer_.start();
    }
}

void TBusyPointer::Restore()
{
    if (showing_) {
        shown_->Restore();
        showing_ = false;
        timer_.stop();
    }
}

void TBusyPointer::Tick()
{
    if (sinceReport_.elapsed() > kBusyTickMs) {
        Restore();
    }
}

#include "moc_BusyPointer.cpp"
