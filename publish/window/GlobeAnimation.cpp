#include "publish/window/GlobeAnimation.h"

#include "publish/window/UploadPictures.h"

#include <QPainter>
#include <QTimer>

#include <cmath>

namespace tarvin {

GlobeAnimation::GlobeAnimation(QWidget* parent) : QWidget(parent), timer_(new QTimer(this))
{
    setFixedSize(240, 33);
    timer_->setInterval(FrameMs);
    connect(timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % FrameCount;
        update();
    });
}

bool GlobeAnimation::Active() const
{
    return timer_->isActive();
}

void GlobeAnimation::SetActive(bool active)
{
    if (active == Active())
        return;
    if (active) {
        timer_->start();
    } else {
        timer_->stop();
        frame_ = 0;
        update();
    }
}

void GlobeAnimation::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double progress = static_cast<double>(frame_) / FrameCount;
    const QRectF globe(width() - 34, 1, 31, 31);
    const double trackEnd = globe.left() - 14;

    // The dotted way from the computer to the globe.
    painter.setPen(QPen(QColor(120, 120, 140), 1, Qt::DotLine));
    painter.drawLine(QPointF(14, height() / 2.0), QPointF(globe.left(), height() / 2.0));
    // A small screen at the start.
    painter.setPen(QPen(QColor(40, 40, 60), 1));
    painter.setBrush(QColor(200, 220, 240));
    painter.drawRect(QRectF(2, 8, 14, 11));
    painter.drawLine(QPointF(9, 19), QPointF(9, 23));
    painter.drawLine(QPointF(5, 23), QPointF(13, 23));
    // Two pages on their way, half a lap apart.
    painter.setBrush(QColor(250, 250, 245));
    for (double offset : {0.0, 0.5}) {
        const double along = std::fmod(progress + offset, 1.0);
        const double x = 20 + along * (trackEnd - 20);
        painter.drawRect(QRectF(x, height() / 2.0 - 6, 9, 12));
        painter.drawLine(QPointF(x + 2, height() / 2.0 - 2), QPointF(x + 7, height() / 2.0 - 2));
        painter.drawLine(QPointF(x + 2, height() / 2.0 + 1), QPointF(x + 7, height() / 2.0 + 1));
    }
    DrawGlobe(painter, globe, progress);
}

} // namespace tarvin
