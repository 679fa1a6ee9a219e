#include "look/PaletteArea.h"

#include "look/ColorConvert.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace tarvin {

RunPalette& SharedPalette() {
    static RunPalette palette;
    return palette;
}

PaletteArea::PaletteArea(QWidget* parent) : QWidget(parent) {
    setFixedSize(Side, Side);
}

void PaletteArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (SharedPalette().loaded) {
        const PaletteColors& colors = SharedPalette().colors;
        for (int slot = 0; slot < PaletteSize; ++slot) {
            const int column = slot % 16;
            const int row = slot / 16;
            painter.fillRect(column * Pitch + 2, row * Pitch + 2, Pitch - 2, Pitch - 2, ToQColor(colors[slot]));
        }
    }
    qDrawWinPanel(&painter, rect(), palette(), true);
}

void PaletteArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !SharedPalette().loaded) return;
    // Integer division truncates towards zero, so the edge's first 3 pixels
    // belong to the first cell.
    const QPoint at = event->position().toPoint();
    emit CellClicked((at.x() - 3) / Pitch, (at.y() - 3) / Pitch);
}

} // namespace tarvin
