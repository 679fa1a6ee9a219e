#pragma once
// The short text of a help topic: the paragraph of its help page that holds
// the topic's anchor.

#include <QString>

namespace tarvin {

// Empty when the page or the anchor is missing.
QString HelpTopicText(const QString& helpFolder, int number);

} // namespace tarvin
