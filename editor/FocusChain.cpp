#include "editor/FocusChain.h"

#include <QWidget>

#include <vector>

namespace tarvin {

namespace {

// A compound control (a spin box and its edit box) moves as one: its parts
// follow it.
bool PartOfCompound(const QWidget* control, const QWidget& root)
{
    for (const QWidget* owner = control->parentWidget(); owner && owner != &root; owner = owner->parentWidget())
        if (owner->focusProxy() && owner->isAncestorOf(owner->focusProxy()))
            return true;
    return false;
}

} // namespace

void PlaceInFocusChainBefore(QWidget& widget, const QWidget& next)
{
    QWidget* previous = next.previousInFocusChain();
    while (previous != &next &&
           (previous->focusPolicy() == Qt::NoFocus || previous == &widget || widget.isAncestorOf(previous)))
        previous = previous->previousInFocusChain();
    // Only next and widget take the focus: in a cycle of two, any order is right.
    if (previous == &next)
        return;

    std::vector<QWidget*> controls;
    for (QWidget* control = widget.nextInFocusChain(); widget.isAncestorOf(control);
         control = control->nextInFocusChain())
        if (control->focusPolicy() != Qt::NoFocus && !PartOfCompound(control, widget))
            controls.push_back(control);
    for (QWidget* control : controls) {
        QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace tarvin
