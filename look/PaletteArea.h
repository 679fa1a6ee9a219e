#pragma once
// The picker's swatch grid: 16 by 16 cells on a 15-pixel pitch, each a 13 by 13
// square with a 2-pixel gap, inside a 242 by 242 white area with a sunken edge.

#include "look/PaletteFile.h"

#include <QWidget>

namespace tarvin {

// The palette last read in this run, shared by every picker: a picker whose
// palette file cannot be read shows the one an earlier picker read.
struct RunPalette {
    PaletteColors colors{};
    bool loaded = false;  // until then the area paints nothing and ignores clicks
};
RunPalette& SharedPalette();

class PaletteArea : public QWidget {
    Q_OBJECT
public:
    static constexpr int Pitch = 15;
    static constexpr int Side = 242;

    explicit PaletteArea(QWidget* parent);

signals:
    // A left click on a loaded palette, as the cell under the pointer.
    void CellClicked(int column, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace tarvin
