#pragma once
// What's This and F1 for the controls of the windows the main window opens.
// Those windows cannot reach the help system, so they only tag their controls
// (platform/HelpTopicTag.h); this one filter on the application serves them.

#include <QObject>

class QWidget;

namespace tarvin {

class HelpContexts;
class WhatsThisMenu;

class DialogHelp : public QObject {
    Q_OBJECT
public:
    // mainWindow's controls have the menu and contexts attached and are left
    // to them. Installs itself on the application until destroyed.
    DialogHelp(const QWidget& mainWindow, WhatsThisMenu& whatsThis, HelpContexts& contexts,
               QObject* parent = nullptr);

protected:
    // A context-menu request on a control with a topic opens the What's This
    // menu; F1 on one with a help context opens the topic.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QWidget& mainWindow_;
    WhatsThisMenu& whatsThis_;
    HelpContexts& contexts_;
};

} // namespace tarvin
