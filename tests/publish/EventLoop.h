#pragma once
// Runs the Qt event loop until a condition holds or a time limit passes.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

namespace tarvin::publish::test {

inline bool RunUntil(const std::function<bool()>& done, int limitMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

inline void RunFor(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace tarvin::publish::test
