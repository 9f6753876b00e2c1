#pragma once
// A timer: raises Timer every Interval milliseconds while Enabled. An interval of 0 never fires.
#include <QJsonObject>
#include <QObject>
#include <QTimer>

#include <functional>

namespace platform {

class Timer : public QObject {
public:
    explicit Timer(QObject* parent = nullptr);
    void applyLayout(const QJsonObject& o);

    int Interval() const { return interval_; }
    void setInterval(int ms);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    std::function<void()> onTimer;

private:
    void restart();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
};

} // namespace platform
