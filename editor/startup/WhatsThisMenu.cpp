#include "editor/startup/WhatsThisMenu.h"

#include "editor/startup/HelpSystem.h"

#include <QCursor>
#include <QMenu>
#include <QWidget>

namespace tarvin {

namespace {

constexpr const char* TopicProperty = "helpTopic";

} // namespace

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
    control->setProperty(TopicProperty, topic);
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    // The cursor, not the event's point: scroll areas report viewport points.
    connect(control, &QWidget::customContextMenuRequested, this, [this, control] {
        popWhatsThisPopup(control, QCursor::pos());
        popWhatsThis->popup(QCursor::pos());
    });
}

int WhatsThisMenu::TopicOf(const QWidget* control)
{
    return control->property(TopicProperty).toInt();
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
