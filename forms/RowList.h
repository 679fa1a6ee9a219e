#pragma once
// The report lists of the form builder: whole rows, read-only captions, the
// selection kept in sight. A mouse press on a row followed by a move past the
// drag threshold drags the row; releasing the button over this list or over
// one of its drop targets drops it there. The drag stays inside the window,
// so it runs on the list's own mouse events.

#include <QTreeWidget>

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace tarvin {

class RowList : public QTreeWidget {
    Q_OBJECT
public:
    struct Column {
        QString caption;
        int width;
    };
    explicit RowList(std::initializer_list<Column> columns, QWidget* parent = nullptr);
    ~RowList() override;

    // The buttons whose press on a row may start a drag (the left one unless set).
    void SetDragButtons(Qt::MouseButtons buttons) { dragButtons_ = buttons; }
    // Rows of this list may also be dropped on target.
    void AddDropTarget(RowList* target) { dropTargets_.push_back(target); }

    int RowCount() const { return topLevelItemCount(); }
    // -1 when no row is selected.
    int SelectedRow() const;
    // The row holding the focus; -1 for none.
    int FocusedRow() const;
    // -1 over empty space; position in the viewport's coordinates.
    int RowAt(QPoint position) const;
    // Selects the row and gives it the focus.
    void SelectRow(int row);
    QTreeWidgetItem* Row(int row) const { return topLevelItem(row); }
    // The row's rectangle in the viewport's coordinates.
    QRect RowRect(int row) const;

signals:
    // Emitted by the list the row was dropped on; targetRow is -1 below the
    // last row.
    void rowDropped(RowList* source, int sourceRow, int targetRow);
    void enterPressed();
    void deletePressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void EndDrag();

    Qt::MouseButtons dragButtons_ = Qt::LeftButton;
    std::vector<RowList*> dropTargets_;
    std::optional<std::pair<int, QPoint>> pressed_;  // the row and where the button went down
    bool dragging_ = false;
};

} // namespace tarvin
