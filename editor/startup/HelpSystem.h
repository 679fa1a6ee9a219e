#pragma once
// The program's help: the contents, a topic opened by F1, a topic's text in
// a popup for What's This, and closing all of it when the program ends.

#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

namespace tarvin {

class HelpWindow;

// Shows a topic's text in a small popup window at a point on the screen.
using TopicPopup = std::function<void(const QPoint& at, const QString& text)>;
void ShowTopicPopup(const QPoint& at, const QString& text);

class HelpSystem {
public:
    // helpFolder: the folder of the help pages, with a trailing '/'.
    explicit HelpSystem(const QString& helpFolder, TopicPopup popup = ShowTopicPopup);
    ~HelpSystem();

    // mnuHelpContentsClick.
    void ShowContents();
    // A control's help context, for F1.
    void ShowTopic(int number);
    // What's This.
    void ShowPopup(int number, const QPoint& at);
    // Closes the help window and any popup.
    void CloseAll();

    // Null until help has been shown.
    HelpWindow* Window() const { return window_.get(); }

private:
    void Show(const QString& page, const QString& anchor);

    QString helpFolder_;
    TopicPopup popup_;
    std::unique_ptr<HelpWindow> window_;
};

} // namespace tarvin
