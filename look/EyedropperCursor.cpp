#include "look/EyedropperCursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tarvin {

QCursor EyedropperCursor() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // The glass tube runs from the tip up to the right; a white core inside a
    // black outline keeps it visible on light and dark swatches alike.
    painter.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2.5, 29.5), QPointF(19, 13));
    painter.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(3, 29), QPointF(18.5, 13.5));

    // Collar and rubber bulb.
    painter.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(15, 12), QPointF(20, 17));
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(QColor(40, 40, 40));
    painter.drawEllipse(QPointF(23.5, 8.5), 6, 6);
    painter.end();
    return QCursor(picture, 1, 30);
}

} // namespace tarvin
