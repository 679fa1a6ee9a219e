#pragma once
// The palette: one row per block type that can be dragged onto the block list.

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

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    DragStarter dragStarter_;
};

} // namespace tarvin
