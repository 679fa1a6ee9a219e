#include "editor/startup/WhatsThisMenu.h"

#include "editor/startup/HelpSystem.h"
#include "platform/HelpTopicTag.h"

#include <QCursor>
#include <QMenu>
#include <QWidget>

namespace tarvin {

WhatsThisMenu::WhatsThisMenu(HelpSystem& help, QObject* parent) : QObject(parent), help_(help)
{
    popWhatsThis = new QMenu;
    mnuWhatsThis = popWhatsThis->addAction("&What's This?");
    connect(mnuWhatsThis, &QAction::triggered, this, &WhatsThisMenu::mnuWhatsThisClick);
}

WhatsThisMenu::~WhatsThisMenu()
{
    delete popWhatsThis;
}

void WhatsThisMenu::Attach(QWidget* control, int topic)
{
    SetHelpTopic(control, topic);
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    // The cursor, not the event's point: scroll areas report viewport points.
    connect(control, &QWidget::customContextMenuRequested, this,
            [this, control] { Open(control, QCursor::pos()); });
}

void WhatsThisMenu::Open(QWidget* control, const QPoint& at)
{
    popWhatsThisPopup(control, at);
    popWhatsThis->popup(at);
}

int WhatsThisMenu::TopicOf(const QWidget* control)
{
    return HelpTopicOf(control);
}

void WhatsThisMenu::popWhatsThisPopup(QWidget* control, const QPoint& at)
{
    topic_ = TopicOf(control);
    at_ = at;
}

void WhatsThisMenu::mnuWhatsThisClick()
{
    help_.ShowPopup(topic_, at_);
    topic_ = 0;
}

} // namespace tarvin
