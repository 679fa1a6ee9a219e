#include "editor/FirstPageStack.h"

#include <QWidget>

namespace tarvin {

FirstPageStack::FirstPageStack(QWidget* parent) : QStackedLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    connect(this, &QStackedLayout::currentChanged, this, [this] {
        if (!allPages_)
            SizesChanged();
    });
}

void FirstPageStack::ConsiderAllPages()
{
    allPages_ = true;
    SizesChanged();
}

// Every layout and splitter up to the window keeps the sizes it last asked
// for until told.
void FirstPageStack::SizesChanged()
{
    invalidate();
    for (QWidget* widget = parentWidget(); widget && !widget->isWindow(); widget = widget->parentWidget())
        widget->updateGeometry();
}

QSize FirstPageStack::sizeHint() const
{
    return OnlyCurrent() ? currentWidget()->sizeHint() : QStackedLayout::sizeHint();
}

QSize FirstPageStack::minimumSize() const
{
    if (!OnlyCurrent())
        return QStackedLayout::minimumSize();
    const QWidget* page = currentWidget();
    return page->minimumSizeHint().expandedTo(page->minimumSize());
}

bool FirstPageStack::hasHeightForWidth() const
{
    return OnlyCurrent() ? currentWidget()->hasHeightForWidth() : QStackedLayout::hasHeightForWidth();
}

int FirstPageStack::heightForWidth(int width) const
{
    if (!OnlyCurrent())
        return QStackedLayout::heightForWidth(width);
    return qMax(currentWidget()->heightForWidth(width), minimumSize().height());
}

} // namespace tarvin
