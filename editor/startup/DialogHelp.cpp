#include "editor/startup/DialogHelp.h"

#include "editor/startup/HelpContexts.h"
#include "editor/startup/WhatsThisMenu.h"
#include "platform/HelpTopicTag.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QWidget>

namespace tarvin {

DialogHelp::DialogHelp(const QWidget& mainWindow, WhatsThisMenu& whatsThis, HelpContexts& contexts,
                       QObject* parent)
    : QObject(parent), mainWindow_(mainWindow), whatsThis_(whatsThis), contexts_(contexts)
{
    qApp->installEventFilter(this);
}

bool DialogHelp::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control || control->window() == &mainWindow_)
        return false;
    if (event->type() == QEvent::ContextMenu && HelpTopicOf(control) != 0) {
        whatsThis_.Open(control, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return contexts_.OpenOnF1(control, event);
}

} // namespace tarvin
