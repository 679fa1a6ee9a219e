// Linked into a Qt program, prints the milliseconds from BENCH_T0_NS (the
// start time, in nanoseconds since the epoch, taken by the script just
// before it started the program) to the moment the first main window is on
// screen, the processor time the process used until then, and the window's
// width and height; and ends the program there. Nothing else of the program
// changes.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class FirstPaintProbe : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Expose || done_)
            return false;
        auto* window = qobject_cast<QWindow*>(watched);
        if (!window || !window->isExposed() || !IsMainWindow(window))
            return false;
        done_ = true;
        // The window paints itself while it handles the expose event; this
        // runs once that is finished.
        const QSize size = window->size();
        QTimer::singleShot(0, [size] {
            const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::system_clock::now().time_since_epoch());
            const long long start = std::atoll(qgetenv("BENCH_T0_NS").constData());
            timespec cpu{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
            std::printf("%.1f %.1f %d %d\n", (now.count() - start) / 1e6, cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6,
                        size.width(), size.height());
            std::fflush(stdout);
            std::_Exit(0);
        });
        return false;
    }

private:
    static bool IsMainWindow(const QWindow* window)
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->windowHandle() == window && qobject_cast<QMainWindow*>(widget))
                return true;
        return false;
    }

    bool done_ = false;
};

void InstallProbe()
{
    qApp->installEventFilter(new FirstPaintProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
