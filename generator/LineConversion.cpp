#include "generator/HtmlTemplates.h"
#include "generator/PageHtml.h"

#include "document/FormMarkup.h"
#include "document/TextUtil.h"

namespace tarvin {

namespace {

// (text before the first TAB, text after it); without a TAB the first part is
// empty and the second is the whole line.
std::pair<std::string_view, std::string_view> SplitAtTab(std::string_view line)
{
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos)
        return {std::string_view(), line};
    return {line.substr(0, tab), line.substr(tab + 1)};
}

std::string ConvertLine(const std::string& line, TLineConversion way)
{
    switch (way) {
    case TLineConversion::lcParagraph:
        return line.empty() ? std::string(html::EmptyParagraphLine) : line;
    case TLineConversion::lcDropBoxOptions:
        if (line.size() != 1) {
            const auto [value, caption] = SplitAtTab(line);
            return FillTemplate(html::DropBoxOption, {value, caption});
        }
        break;
    case TLineConversion::lcBulletItems:
        if (line.size() > 1)
            return std::string(html::ListItemPrefix) + line;
        break;
    case TLineConversion::lcMetaTags:
        if (line.size() != 1) {
            const auto [name, content] = SplitAtTab(line);
            return FillTemplate(html::MetaTag, {name, content});
        }
        break;
    }
    return line;
}

} // namespace

std::string ConvertLines(std::string_view text, TLineConversion way)
{
    std::vector<std::string> lines = SplitLines(text);
    for (std::string& line : lines)
        line = ConvertLine(line, way);
    return JoinLines(lines);
}

} // namespace tarvin
