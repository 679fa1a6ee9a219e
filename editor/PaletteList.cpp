#include "editor/PaletteList.h"

#include "editor/BlockRows.h"
#include "editor/Glyphs.h"

#include <QDragMoveEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>

namespace tarvin {

namespace {

constexpr int RowHeight = 40;

// Icon centred 4 pixels below the row's top, caption centred under it.
class PaletteRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QRect r = option.rect;
        painter->fillRect(r, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
        const QPixmap& icon = BlockIcon(static_cast<TBlockType>(index.data(Qt::UserRole).toInt()));
        painter->drawPixmap(r.right() / 2 - icon.width() / 2, r.top() + 4, icon);
        const QString caption = index.data(Qt::DisplayRole).toString();
        const QFontMetrics metrics(option.font);
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(r.right() / 2 - metrics.horizontalAdvance(caption) / 2, r.top() + 4 + icon.height() + metrics.ascent(), caption);
        DrawFocusMark(painter, option, r, option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), RowHeight};
    }
};

} // namespace

PaletteList::PaletteList(QWidget* parent) : QListWidget(parent), dragStarter_(this, DragSource::Palette, NewDragCursor())
{
    setItemDelegate(new PaletteRowDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptDrops(true);
    for (TBlockType type : {TBlockType::btHeading, TBlockType::btImage, TBlockType::btLink, TBlockType::btText,
                            TBlockType::btBullet, TBlockType::btHR, TBlockType::btForms})
        addItem(MakeBlockRow(type));
}

void PaletteList::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    dragStarter_.Press(event, itemAt(event->position().toPoint()) != nullptr);
}

void PaletteList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        emit rowChosen();
}

void PaletteList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        emit rowChosen();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void PaletteList::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragStarter_.Move(event))
        QListWidget::mouseMoveEvent(event);
}

void PaletteList::dragEnterEvent(QDragEnterEvent* event)
{
    event->setAccepted(DragSourceOf(event->mimeData()) == DragSource::Palette);
}

void PaletteList::dragMoveEvent(QDragMoveEvent* event)
{
    const bool own = DragSourceOf(event->mimeData()) == DragSource::Palette;
    event->setAccepted(own);
    if (own)
        emit draggedOverItself();
}

void PaletteList::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
}

} // namespace tarvin
