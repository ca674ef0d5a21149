#include "store/BusyPointer.h"

#include <exception>

#include <QCursor>
#include <QGuiApplication>

namespace {

constexpr int kBusyTickMs = 50;

}  // namespace

bool HaveGui()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

THourglass::THourglass() : shown_(HaveGui() && !QGuiApplication::overrideCursor())
{
    if (shown_) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
}

THourglass::~THourglass()
{
    if (shown_) {
        QGuiApplication::restoreOverrideCursor();
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
    if (!showing_ && HaveGui()) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
        showing_ = true;
        timer_.start();
    }
}

void TBusyPointer::Restore()
{
    if (showing_) {
        QGuiApplication::restoreOverrideCursor();
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
