#include "editor/startup/SplashTimer.h"

namespace tarvin {

void QtSplashTimer::OnTick(std::function<void()> handler)
{
    QObject::connect(&timer_, &QTimer::timeout, std::move(handler));
}

} // namespace tarvin
