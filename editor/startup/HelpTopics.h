#pragma once
// The help topic numbers that controls carry, and the help page on which
// each topic is explained. A topic's place on its page is the anchor
// "t" + number; the paragraph there is also its What's This text.

#include <QString>
#include <span>

namespace tarvin {

struct HelpTopicPlace {
    int number;
    const char* page;  // file name in the help folder
};

inline constexpr const char* HelpFolderName = "Help/";
inline constexpr const char* HelpContentsPage = "index.html";

std::span<const HelpTopicPlace> HelpTopicTable();
// Empty when the number is not a topic.
QString HelpTopicPage(int number);
QString HelpTopicAnchor(int number);

} // namespace tarvin
