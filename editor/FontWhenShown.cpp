#include "editor/FontWhenShown.h"

#include <QEvent>
#include <QFont>
#include <QWidget>

namespace tarvin {

namespace {

constexpr const char* PendingFontName = "tarvinPendingFont";

class PendingFont : public QObject {
public:
    explicit PendingFont(QWidget& widget) : QObject(&widget), widget_(widget)
    {
        setObjectName(PendingFontName);
        widget.installEventFilter(this);
    }

    QFont font;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            widget_.removeEventFilter(this);
            widget_.setFont(font);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& widget_;
};

PendingFont* PendingFontOf(const QWidget& widget)
{
    return static_cast<PendingFont*>(widget.findChild<QObject*>(PendingFontName, Qt::FindDirectChildrenOnly));
}

} // namespace

void SetFontWhenShown(QWidget& widget, const QFont& font)
{
    PendingFont* pending = PendingFontOf(widget);
    if (widget.isVisible()) {
        delete pending;
        widget.setFont(font);
        return;
    }
    if (!pending)
        pending = new PendingFont(widget);
    pending->font = font;
}

} // namespace tarvin
