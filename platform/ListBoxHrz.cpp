#include "platform/ListBoxHrz.h"

#include <QEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace tarvin {

// Draws a row's tab-separated parts at multiples of the list's tab width.
// It keeps its own copy of the widths: the list may be half destroyed when
// the view asks for a size.
class TListBoxHrz::TabStopDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    int extent = 0;
    int tabStop = 0;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QStringList parts = opt.text.split('\t');
        opt.text.clear();
        opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

        painter->save();
        const bool selected = opt.state & QStyle::State_Selected;
        painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QFontMetrics metrics(opt.font);
        const int stop = qMax(1, tabStop);
        int x = opt.rect.left() + 3;
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0)
                x = opt.rect.left() + 3 + ((x - opt.rect.left() - 3) / stop + 1) * stop;
            painter->drawText(QRect(x, opt.rect.top(), metrics.horizontalAdvance(parts[i]) + 1, opt.rect.height()),
                              Qt::AlignLeft | Qt::AlignVCenter, parts[i]);
            x += metrics.horizontalAdvance(parts[i]);
        }
        painter->restore();
    }

    // Rows are as wide as the extent, so the list scrolls exactly that far.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {extent, QStyledItemDelegate::sizeHint(option, index).height()};
    }
};

TListBoxHrz::TListBoxHrz(QWidget* parent) : QListWidget(parent), delegate_(new TabStopDelegate(this))
{
    setItemDelegate(delegate_);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(model(), &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) { RowsAdded(first, last); });
    connect(model(), &QAbstractItemModel::rowsRemoved, this, [this] { FitToWidestRow(); });
    // A replaced row counts as deleted and inserted again.
    connect(model(), &QAbstractItemModel::dataChanged, this, [this] { FitToWidestRow(); });
    connect(model(), &QAbstractItemModel::modelReset, this, [this] { SetCurrentWidth(0); });
    // The selected row depends on both: a mouse press moves the current row first.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &TListBoxHrz::selectionMoved);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &TListBoxHrz::selectionMoved);
}

// The model empties itself while the list is destroyed; by then there is no
// extent to keep.
TListBoxHrz::~TListBoxHrz()
{
    model()->disconnect(this);
}

void TListBoxHrz::SetCurrentWidth(int width)
{
    currentWidth_ = width;
    delegate_->extent = width;
    scheduleDelayedItemsLayout();
}

void TListBoxHrz::SetTabWidth(int width)
{
    tabWidth_ = width;
    delegate_->tabStop = width;
    viewport()->update();
}

int TListBoxHrz::SelectedRow() const
{
    const QListWidgetItem* current = currentItem();
    return current && current->isSelected() ? currentRow() : -1;
}

void TListBoxHrz::SelectRow(int row)
{
    setCurrentRow(row);
    if (row < 0)
        clearSelection();
}

int TListBoxHrz::RowWidth(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text) + 26;
}

void TListBoxHrz::RowsAdded(int first, int last)
{
    for (int row = first; row <= last; ++row) {
        const int width = RowWidth(item(row) ? item(row)->text() : QString());
        if (currentWidth_ < width)
            SetCurrentWidth(width + tabWidth_);
    }
}

void TListBoxHrz::FitToWidestRow()
{
    int widest = 0;
    for (int row = 0; row < count(); ++row)
        widest = qMax(widest, RowWidth(item(row)->text()));
    SetCurrentWidth(widest + tabWidth_);
}

void TListBoxHrz::changeEvent(QEvent* event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitToWidestRow();
}

} // namespace tarvin
