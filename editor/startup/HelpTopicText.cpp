#include "editor/startup/HelpTopicText.h"

#include "editor/startup/HelpTopics.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>

namespace tarvin {

namespace {

bool HoldsAnchor(const QTextBlock& block, const QString& anchor)
{
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
        if (fragment.fragment().charFormat().anchorNames().contains(anchor))
            return true;
    return false;
}

} // namespace

QString HelpTopicText(const QString& helpFolder, int number)
{
    const QString page = HelpTopicPage(number);
    QFile file(helpFolder + page);
    if (page.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    const QString anchor = HelpTopicAnchor(number);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (HoldsAnchor(block, anchor))
            return block.text().trimmed();
    return {};
}

} // namespace tarvin
