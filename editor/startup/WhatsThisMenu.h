#pragma once
// popWhatsThis: the popup menu with the one entry "&What's This?". A control
// given the menu carries its help topic number as its tag; choosing the
// entry shows that topic in a help popup.

#include <QObject>
#include <QPoint>

class QAction;
class QMenu;
class QWidget;

namespace tarvin {

class HelpSystem;

class WhatsThisMenu : public QObject {
    Q_OBJECT
public:
    WhatsThisMenu(HelpSystem& help, QObject* parent = nullptr);
    ~WhatsThisMenu() override;

    // The menu becomes the control's popup menu.
    void Attach(QWidget* control, int topic);
    // Opens the menu on control at a point on the screen.
    void Open(QWidget* control, const QPoint& at);
    // The topic number a control carries, 0 for none.
    static int TopicOf(const QWidget* control);

    // The menu opens on control: its number is remembered.
    void popWhatsThisPopup(QWidget* control, const QPoint& at);
    // The remembered topic is shown, then forgotten.
    void mnuWhatsThisClick();

    QMenu* popWhatsThis;
    QAction* mnuWhatsThis;

private:
    HelpSystem& help_;
    int topic_ = 0;
    QPoint at_;
};

} // namespace tarvin
