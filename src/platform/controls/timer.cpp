#include "platform/controls/timer.h"

#include "platform/controls/layout_keys.h"

namespace platform {

Timer::Timer(QObject* parent) : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (onTimer)
            onTimer();
    });
}

void Timer::applyLayout(const QJsonObject& o)
{
    setObjectName(o.value("name").toString());
    interval_ = std::max(0, o.value("interval").toInt(0));
    setEnabled(boolKey(o, "enabled", true));
}

void Timer::setInterval(int ms)
{
    interval_ = std::max(0, ms);
    restart();
}

void Timer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    restart();
}

void Timer::restart()
{
    timer_.stop();
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
}

} // namespace platform
