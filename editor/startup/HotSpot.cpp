#include "editor/startup/HotSpot.h"

#include <QMouseEvent>

namespace tarvin {

HotSpot::HotSpot(const QRect& bounds, const QString& hint, QWidget* parent) : QWidget(parent)
{
    setGeometry(bounds);
    setCursor(Qt::PointingHandCursor);
    setToolTip(hint);
}

void HotSpot::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
}

void ClickablePicture::mousePressEvent(QMouseEvent* event)
{
    if (takesClicks_ && event->button() == Qt::LeftButton)
        emit clicked();
}

} // namespace tarvin
