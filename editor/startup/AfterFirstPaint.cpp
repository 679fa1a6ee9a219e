#include "editor/startup/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace tarvin {

namespace {

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> work) : QObject(&window), work_(std::move(work))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            // Queued: the picture is painted and flushed before the work runs.
            QTimer::singleShot(0, watched, std::move(work_));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work_;
};

} // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> work)
{
    new FirstPaintWatch(window, std::move(work));
}

} // namespace tarvin
