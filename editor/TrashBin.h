#pragma once
// The bin: block list rows dropped on it are deleted.

#include "editor/Glyphs.h"

#include <QLabel>

namespace tarvin {

class TrashBin : public QLabel {
    Q_OBJECT
public:
    explicit TrashBin(QWidget* parent = nullptr);

    void ShowPicture(BinPicture picture);
    BinPicture Picture() const { return picture_; }

signals:
    void dropped();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    BinPicture picture_ = BinPicture::Empty;
};

} // namespace tarvin
