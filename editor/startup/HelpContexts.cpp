#include "editor/startup/HelpContexts.h"

#include "editor/startup/HelpSystem.h"

#include <QKeyEvent>
#include <QWidget>

namespace tarvin {

namespace {

constexpr const char* ContextProperty = "helpContext";

} // namespace

void HelpContexts::Set(QWidget* control, int topic)
{
    control->setProperty(ContextProperty, topic);
    control->installEventFilter(this);
}

int HelpContexts::ContextOf(const QWidget* control)
{
    return control->property(ContextProperty).toInt();
}

bool HelpContexts::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return false;
    const int topic = watched->property(ContextProperty).toInt();
    if (topic == 0)
        return false;
    help_.ShowTopic(topic);
    return true;
}

} // namespace tarvin
