#include "editor/ButtonOutline.h"

#include <QPainter>

namespace tarvin {

ButtonOutline::ButtonOutline(QWidget* parent) : QWidget(parent) {}

void ButtonOutline::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width() - 1;
    const int h = height() - 1;
    const int top = firstButton_ ? firstButton_->mapTo(this, QPoint(0, 0)).y() : 0;
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(w, top, w, h);
    painter.drawLine(w, h, 0, h);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, h, 0, 0);
    painter.drawLine(0, 0, w, top);
}

} // namespace tarvin
