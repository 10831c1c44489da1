#include "ExtCtrls.h"

#include <QCoreApplication>
#include <QTimer>

TTimer::TTimer(TComponent* owner) : TComponent(owner), timer_(std::make_unique<QTimer>())
{
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] {
        // A copy runs: the handler may delete this timer (with its owner).
        TNotifyEvent handler = OnTimer;
        RunGuarded([&] {
            if (handler)
                handler(this);
        });
    });
    Update();
}

TTimer::~TTimer()
{
    timer_->stop();
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(int interval)
{
    if (interval == interval_)
        return;
    interval_ = interval;
    Update();
}

void TTimer::Update()
{
    if (enabled_ && interval_ > 0 && QCoreApplication::instance())
        timer_->start(interval_);
    else
        timer_->stop();
}
