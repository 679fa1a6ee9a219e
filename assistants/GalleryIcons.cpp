#include "assistants/GalleryIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tarvin {

namespace {

// A sheet with a folded corner; what is drawn on it tells the kinds apart:
// a template shows empty dashed places, a document lines of text.
QPixmap Sheet(EntryKind kind) {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath outline;
    outline.moveTo(6.5, 2.5);
    outline.lineTo(20.5, 2.5);
    outline.lineTo(26.5, 8.5);
    outline.lineTo(26.5, 29.5);
    outline.lineTo(6.5, 29.5);
    outline.closeSubpath();
    const bool isTemplate = kind == EntryKind::Template;
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.setBrush(isTemplate ? QColor(255, 248, 220) : Qt::white);
    painter.drawPath(outline);
    painter.drawPolyline(QPolygonF({{20.5, 2.5}, {20.5, 8.5}, {26.5, 8.5}}));

    if (isTemplate) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(200, 120, 0), 1, Qt::DashLine));
        painter.drawRect(QRectF(9.5, 11.5, 14, 5));
        painter.drawRect(QRectF(9.5, 19.5, 6, 7));
        painter.drawRect(QRectF(17.5, 19.5, 6, 7));
    } else {
        painter.setPen(QPen(QColor(0, 70, 160), 2));
        painter.drawLine(QPointF(9, 7), QPointF(18, 7));
        painter.setPen(QPen(QColor(120, 120, 120), 1));
        for (int y = 12; y <= 26; y += 3) painter.drawLine(QPointF(9, y + 0.5), QPointF(24, y + 0.5));
    }
    return picture;
}

} // namespace

QIcon GalleryIcon(EntryKind kind) {
    return QIcon(Sheet(kind));
}

} // namespace tarvin
