#pragma once
// The palette: one row per block type that can be dragged onto the block list,
// or chosen with Enter or a double-click.

#include "editor/DragRows.h"

#include <QListWidget>

namespace tarvin {

class PaletteList : public QListWidget {
    Q_OBJECT
public:
    explicit PaletteList(QWidget* parent = nullptr);

signals:
    // A drag from the palette over the palette itself.
    void draggedOverItself();
    // Enter or a double-click on a row: its block is wanted without a drag.
    void rowChosen();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    DragStarter dragStarter_;
};

} // namespace tarvin
