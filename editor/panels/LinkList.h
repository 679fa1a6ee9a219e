#pragma once
// lstLinks: the drop box entries; dragging one entry onto another makes the
// two change places.

#include "editor/DragRows.h"
#include "platform/ListBoxHrz.h"

namespace tarvin {

class LinkList : public TListBoxHrz {
    Q_OBJECT
public:
    explicit LinkList(QWidget* parent = nullptr);

    // The dragged (selected) entry and the entry at row change places.
    void SwapSelectedWith(int row);

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
