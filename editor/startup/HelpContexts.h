#pragma once
// F1 help contexts: F1 on a control that carries a help context opens that
// topic in the help window.

#include <QObject>

class QWidget;

namespace tarvin {

class HelpSystem;

class HelpContexts : public QObject {
    Q_OBJECT
public:
    explicit HelpContexts(HelpSystem& help, QObject* parent = nullptr) : QObject(parent), help_(help) {}

    void Set(QWidget* control, int topic);
    static int ContextOf(const QWidget* control);
    // F1 pressed on control opens its context; false when the event is not
    // F1 or the control carries no context. Such a control also keeps F1 from
    // the window's shortcut for the help contents.
    bool OpenOnF1(const QObject* control, QEvent* event);

protected:
    // Key presses that the focused child leaves reach its parents here too.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpSystem& help_;
};

} // namespace tarvin
