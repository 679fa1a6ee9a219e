#pragma once
// The theme editor's list of theme names. The user reorders it by dragging
// an entry with the left button onto another; it takes no drags from
// elsewhere. The list only reports the drop; its owner moves the themes.

#include <QCursor>
#include <QListWidget>
#include <optional>

namespace tarvin {

class ThemeList : public QListWidget {
    Q_OBJECT
public:
    // dragCursor: shown while an entry is dragged over the list.
    explicit ThemeList(const QCursor& dragCursor, QWidget* parent = nullptr);

    // The selected row, -1 for none; selecting -1 leaves none selected.
    int SelectedRow() const;
    void SelectRow(int row);

signals:
    // A drag that began on this list ended at position (viewport coordinates)
    // inside the list.
    void dropped(QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void EndDrag();

    QCursor dragCursor_;
    std::optional<QPoint> pressedAt_;
    bool dragging_ = false;
};

} // namespace tarvin
