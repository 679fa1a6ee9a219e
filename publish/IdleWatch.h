#pragma once
// Calls its handler once nothing has touched it for a given time. Touching is
// cheap (no timer is restarted), so it can be done for every block sent.

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

namespace tarvin::publish {

class IdleWatch {
public:
    explicit IdleWatch(std::function<void()> onIdle);

    // Starts (or restarts) watching; the handler runs after this many idle seconds.
    void Start(int seconds);
    void Touch() { sinceActivity_.start(); }
    void Stop() { timer_.stop(); }
    int Seconds() const { return limitMs_ / 1000; }

private:
    void Check();

    std::function<void()> onIdle_;
    QTimer timer_;
    QElapsedTimer sinceActivity_;
    int limitMs_ = 0;
};

} // namespace tarvin::publish
