#include "editor/startup/HelpTopics.h"

#include <algorithm>

namespace tarvin {

namespace {

constexpr HelpTopicPlace Table[] = {
    {10, "page-details.html"}, {11, "page-details.html"}, {12, "page-details.html"}, {13, "page-details.html"},
    {14, "page-details.html"},
    {15, "building.html"}, {22, "building.html"}, {54, "building.html"}, {55, "building.html"},
    {103, "building.html"}, {104, "building.html"}, {105, "building.html"},
    {26, "headings.html"},
    {16, "images.html"}, {17, "images.html"}, {18, "images.html"}, {19, "images.html"}, {20, "images.html"},
    {21, "images.html"}, {31, "images.html"},
    {27, "links.html"}, {28, "links.html"}, {29, "links.html"}, {33, "links.html"}, {34, "links.html"},
    {35, "text.html"}, {48, "text.html"}, {49, "text.html"},
    {50, "lines.html"}, {51, "lines.html"}, {190, "lines.html"},
    {200, "forms.html"}, {202, "forms.html"}, {203, "forms.html"}, {204, "forms.html"}, {205, "forms.html"},
    {206, "forms.html"}, {207, "forms.html"}, {208, "forms.html"}, {209, "forms.html"},
    {66, "viewing.html"}, {76, "viewing.html"},
    {65, "themes.html"}, {67, "themes.html"}, {68, "themes.html"}, {69, "themes.html"}, {70, "themes.html"},
    {71, "themes.html"}, {72, "themes.html"}, {73, "themes.html"}, {74, "themes.html"},
    {41, "colors.html"}, {42, "colors.html"}, {43, "colors.html"}, {44, "colors.html"}, {45, "colors.html"},
    {46, "colors.html"},
    {32, "fonts-meta.html"}, {36, "fonts-meta.html"}, {37, "fonts-meta.html"}, {38, "fonts-meta.html"},
    {39, "fonts-meta.html"},
    {57, "publishing.html"}, {58, "publishing.html"}, {59, "publishing.html"}, {60, "publishing.html"},
    {61, "publishing.html"}, {62, "publishing.html"}, {63, "publishing.html"}, {75, "publishing.html"},
};

} // namespace

std::span<const HelpTopicPlace> HelpTopicTable()
{
    return Table;
}

QString HelpTopicPage(int number)
{
    const auto* place = std::find_if(std::begin(Table), std::end(Table),
                                     [number](const HelpTopicPlace& p) { return p.number == number; });
    return place == std::end(Table) ? QString() : QString(place->page);
}

QString HelpTopicAnchor(int number)
{
    return "t" + QString::number(number);
}

} // namespace tarvin
