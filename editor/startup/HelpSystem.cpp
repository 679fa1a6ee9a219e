#include "editor/startup/HelpSystem.h"

#include "editor/startup/HelpTopicText.h"
#include "editor/startup/HelpTopics.h"
#include "editor/startup/HelpWindow.h"

#include <QWhatsThis>

namespace tarvin {

namespace {

constexpr const char* NoTopicText = "No help is available for this item.";

} // namespace

void ShowTopicPopup(const QPoint& at, const QString& text)
{
    QWhatsThis::showText(at, text.toHtmlEscaped());
}

HelpSystem::HelpSystem(const QString& helpFolder, TopicPopup popup)
    : helpFolder_(helpFolder), popup_(std::move(popup))
{
}

HelpSystem::~HelpSystem() = default;

void HelpSystem::ShowContents()
{
    Show(HelpContentsPage, {});
}

void HelpSystem::ShowTopic(int number)
{
    const QString page = HelpTopicPage(number);
    if (page.isEmpty())
        ShowContents();
    else
        Show(page, HelpTopicAnchor(number));
}

void HelpSystem::ShowPopup(int number, const QPoint& at)
{
    const QString text = HelpTopicText(helpFolder_, number);
    popup_(at, text.isEmpty() ? QString(NoTopicText) : text);
}

void HelpSystem::CloseAll()
{
    QWhatsThis::hideText();
    if (window_)
        window_->close();
}

void HelpSystem::Show(const QString& page, const QString& anchor)
{
    if (!window_)
        window_ = std::make_unique<HelpWindow>(helpFolder_);
    window_->ShowPage(page, anchor);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace tarvin
