#include "editor/startup/HelpContexts.h"

#include "editor/startup/HelpSystem.h"
#include "platform/HelpTopicTag.h"

#include <QKeyEvent>
#include <QWidget>

namespace tarvin {

void HelpContexts::Set(QWidget* control, int topic)
{
    SetHelpContext(control, topic);
    control->installEventFilter(this);
}

int HelpContexts::ContextOf(const QWidget* control)
{
    return HelpContextOf(control);
}

bool HelpContexts::eventFilter(QObject* watched, QEvent* event)
{
    return OpenOnF1(watched, event);
}

bool HelpContexts::OpenOnF1(const QObject* control, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if ((!press && event->type() != QEvent::ShortcutOverride) || static_cast<const QKeyEvent*>(event)->key() != Qt::Key_F1)
        return false;
    const int topic = HelpContextOf(control);
    if (topic == 0)
        return false;
    // An accepted override turns the shortcut back into a key press.
    event->accept();
    if (press)
        help_.ShowTopic(topic);
    return true;
}

} // namespace tarvin
