#pragma once
// The block list: one owner-drawn row per page item. It reports drags and
// drops to the main window, which applies the rules.

#include "document/PageModel.h"
#include "editor/DragRows.h"

#include <QListWidget>

namespace tarvin {

class BlockList : public QListWidget {
    Q_OBJECT
public:
    explicit BlockList(QWidget* parent = nullptr);

    // The selected row, -1 for none. The current row (the one the keyboard
    // moves from) may differ for a moment while the mouse selects.
    int SelectedRow() const;
    // Selects a row without running the selection handler; -1 or a row past
    // the end leaves no row selected.
    void SelectRowQuietly(int row);
    // Row changes made by the program; none of them runs the selection handler.
    void InsertRow(int row, TBlockType type);
    void RemoveRow(int row);
    void MoveRow(int from, int to);
    void RemoveAllRows();
    // The grey line under a row's caption.
    void SetSummary(int row, const QString& summary);

signals:
    // Another row was selected, by mouse press, right-click, keyboard or the
    // program, once the selection has settled.
    void rowSelected();
    void mouseMovedOver();
    // Positions are in viewport coordinates.
    void draggedOver(tarvin::DragSource source, QPoint position, bool* accept);
    void dropped(tarvin::DragSource source, QPoint position);
    // A drag went on elsewhere, to the bin say.
    void dragLeft();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool AcceptDrag(QDropEvent* event);

    DragStarter dragStarter_;
};

} // namespace tarvin
