#pragma once
// The help window: the program's help pages in a browser of their own, with
// the contents page as its home.

#include <QWidget>

class QTextBrowser;

namespace tarvin {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& helpFolder, QWidget* parent = nullptr);

    // anchor: a place on the page, or empty for its top.
    void ShowPage(const QString& page, const QString& anchor);
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace tarvin
