#include "editor/startup/HelpWindow.h"

#include "editor/startup/HelpTopics.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tarvin {

HelpWindow::HelpWindow(const QString& helpFolder, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle("Tarvin Help");
    resize(640, 560);
    browser_ = new QTextBrowser;
    browser_->setSearchPaths({helpFolder});
    // Addresses on the web belong in the user's browser, not in here.
    browser_->setOpenExternalLinks(true);

    auto* contents = new QPushButton("&Contents");
    auto* back = new QPushButton("&Back");
    auto* forward = new QPushButton("&Forward");
    back->setEnabled(false);
    forward->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);

    connect(contents, &QPushButton::clicked, this, [this] { ShowPage(HelpContentsPage, {}); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
}

void HelpWindow::ShowPage(const QString& page, const QString& anchor)
{
    QUrl url(page);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    browser_->setSource(url);
}

} // namespace tarvin
