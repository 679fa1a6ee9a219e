#include "editor/EditorArea.h"

#include <QVBoxLayout>

namespace tarvin {

EditorArea::EditorArea(QWidget* parent) : QWidget(parent)
{
    auto* stack = new QWidget;
    panels_ = new FirstPageStack(stack);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stack);
}

void EditorArea::SetAlignmentBar(QWidget* bar)
{
    bar_ = bar;
    bar_->setParent(this);
    bar_->adjustSize();
    ShowAlignmentBar(false);
}

void EditorArea::ShowAlignmentBar(bool inFront)
{
    bar_->setVisible(inFront);
    if (inFront)
        bar_->raise();
}

bool EditorArea::AlignmentBarInFront() const
{
    return bar_->isVisibleTo(this);
}

void EditorArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    bar_->move(width() - bar_->width() - 4, 4);
}

} // namespace tarvin
