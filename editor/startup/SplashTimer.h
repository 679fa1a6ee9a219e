#pragma once
// The clock that drives the splash window's countdown. The program uses a
// QTimer; tests tick a fake one by hand.

#include <QTimer>
#include <functional>

namespace tarvin {

class SplashTimer {
public:
    virtual ~SplashTimer() = default;
    // Called at every tick while the timer runs.
    virtual void OnTick(std::function<void()> handler) = 0;
    virtual void SetInterval(int milliseconds) = 0;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
};

class QtSplashTimer : public SplashTimer {
public:
    void OnTick(std::function<void()> handler) override;
    void SetInterval(int milliseconds) override { timer_.setInterval(milliseconds); }
    void Start() override { timer_.start(); }
    void Stop() override { timer_.stop(); }
    bool Running() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

} // namespace tarvin
