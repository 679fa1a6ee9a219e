#include "publish/IdleWatch.h"

#include <algorithm>

namespace tarvin::publish {

namespace {
constexpr int MaxSeconds = 24 * 3600;
}

IdleWatch::IdleWatch(std::function<void()> onIdle) : onIdle_(std::move(onIdle))
{
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Check(); });
}

void IdleWatch::Start(int seconds)
{
    limitMs_ = std::clamp(seconds, 1, MaxSeconds) * 1000;
    Touch();
    timer_.start(limitMs_);
}

void IdleWatch::Check()
{
    const qint64 idle = sinceActivity_.elapsed();
    if (idle < limitMs_) {
        timer_.start(static_cast<int>(limitMs_ - idle));  // touched meanwhile: wait for the rest
        return;
    }
    onIdle_();
}

} // namespace tarvin::publish
