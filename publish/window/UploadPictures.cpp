#include "publish/window/UploadPictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <numbers>

namespace tarvin {

namespace {

const QColor kSea(40, 110, 200);
const QColor kLand(70, 160, 80);
const QColor kInk(40, 40, 60);
const QColor kArrow(230, 150, 20);

QPixmap Paint(int size, const std::function<void(QPainter&, double)>& draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, size);
    return pixmap;
}

void DrawArrowUp(QPainter& painter, const QRectF& bounds)
{
    const double w = bounds.width();
    QPainterPath arrow;
    arrow.moveTo(bounds.center().x(), bounds.top());
    arrow.lineTo(bounds.right(), bounds.top() + w * 0.5);
    arrow.lineTo(bounds.center().x() + w * 0.2, bounds.top() + w * 0.5);
    arrow.lineTo(bounds.center().x() + w * 0.2, bounds.bottom());
    arrow.lineTo(bounds.center().x() - w * 0.2, bounds.bottom());
    arrow.lineTo(bounds.center().x() - w * 0.2, bounds.top() + w * 0.5);
    arrow.lineTo(bounds.left(), bounds.top() + w * 0.5);
    arrow.closeSubpath();
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(kArrow);
    painter.drawPath(arrow);
}

QPixmap Sign(bool plus)
{
    return Paint(16, [plus](QPainter& p, double) {
        p.setPen(Qt::NoPen);
        p.setBrush(plus ? QColor(30, 140, 40) : QColor(190, 40, 30));
        p.drawRect(QRectF(2, 6.5, 12, 3));
        if (plus)
            p.drawRect(QRectF(6.5, 2, 3, 12));
    });
}

} // namespace

void DrawGlobe(QPainter& painter, const QRectF& bounds, double turn)
{
    painter.save();
    QPainterPath disc;
    disc.addEllipse(bounds);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSea);
    painter.drawPath(disc);
    painter.setClipPath(disc);
    // Two continents that travel across the face as the globe turns.
    painter.setBrush(kLand);
    const double r = bounds.width() / 2;
    for (double start : {0.1, 0.6}) {
        const double phase = std::fmod(turn + start, 1.0);
        const double x = bounds.left() + (phase * 1.6 - 0.3) * bounds.width();
        painter.drawEllipse(QRectF(x, bounds.top() + r * (start < 0.5 ? 0.35 : 0.9), r * 0.7, r * 0.8));
    }
    // Meridians: ellipses whose width follows the turn.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 140), std::max(1.0, r / 16)));
    for (int m = 0; m < 3; ++m) {
        const double angle = (turn + m / 3.0) * std::numbers::pi;
        const double half = std::abs(std::cos(angle)) * r;
        painter.drawEllipse(QRectF(bounds.center().x() - half, bounds.top(), half * 2, bounds.height()));
    }
    painter.drawLine(QPointF(bounds.left(), bounds.center().y()), QPointF(bounds.right(), bounds.center().y()));
    painter.setClipping(false);
    painter.setPen(QPen(kInk, std::max(1.0, r / 20)));
    painter.drawEllipse(bounds);
    painter.restore();
}

QPixmap WizardPicture()
{
    return Paint(64, [](QPainter& p, double) {
        DrawGlobe(p, QRectF(4, 12, 48, 48), 0.15);
        DrawArrowUp(p, QRectF(38, 2, 22, 30));
    });
}

QPixmap ServerPicture(int size)
{
    return Paint(size, [](QPainter& p, double s) {
        const double unit = s / 32;
        p.setPen(QPen(kInk, unit));
        for (int box = 0; box < 3; ++box) {
            const QRectF rack(5 * unit, (3 + box * 9) * unit, 22 * unit, 8 * unit);
            p.setBrush(QColor(200, 205, 215));
            p.drawRoundedRect(rack, unit * 1.5, unit * 1.5);
            p.setBrush(box == 0 ? QColor(60, 200, 80) : QColor(120, 130, 140));
            p.drawEllipse(QPointF(rack.right() - 4 * unit, rack.center().y()), 1.5 * unit, 1.5 * unit);
            p.drawLine(QPointF(rack.left() + 3 * unit, rack.center().y()),
                       QPointF(rack.left() + 11 * unit, rack.center().y()));
        }
    });
}

QPixmap UploadPicture(int size)
{
    return Paint(size, [](QPainter& p, double s) {
        DrawGlobe(p, QRectF(s * 0.05, s * 0.25, s * 0.7, s * 0.7), 0.3);
        DrawArrowUp(p, QRectF(s * 0.58, s * 0.02, s * 0.38, s * 0.5));
    });
}

QPixmap ExitPicture(int size)
{
    return Paint(size, [](QPainter& p, double s) {
        const double unit = s / 32;
        p.setPen(QPen(kInk, unit));
        p.setBrush(QColor(120, 80, 40));
        p.drawRect(QRectF(8 * unit, 3 * unit, 16 * unit, 26 * unit));
        // The door swung open towards the viewer.
        QPainterPath door;
        door.moveTo(8 * unit, 3 * unit);
        door.lineTo(16 * unit, 6 * unit);
        door.lineTo(16 * unit, 31 * unit);
        door.lineTo(8 * unit, 29 * unit);
        door.closeSubpath();
        p.setBrush(QColor(190, 140, 80));
        p.drawPath(door);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(14 * unit, 18 * unit), unit, unit);
    });
}

QPixmap AddGlyph() { return Sign(true); }

QPixmap RemoveGlyph() { return Sign(false); }

} // namespace tarvin
