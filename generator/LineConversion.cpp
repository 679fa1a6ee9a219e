#include "generator/HtmlTemplates.h"
#include "generator/PageHtml.h"

#include "document/FormMarkup.h"
#include "document/TextEncoding.h"
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

// Text inside a single-quoted JavaScript string that a script writes into
// the page: a backslash or quote would end or break the string, and "</"
// could end the script ("</script>").
std::string JavaScriptStringText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == '\'')
            out.push_back('\\');
        out.push_back(c);
        if (c == '<' && i + 1 < text.size() && text[i + 1] == '/')
            out.push_back('\\');
    }
    return out;
}

std::string ConvertLine(const std::string& line, TLineConversion way)
{
    switch (way) {
    case TLineConversion::lcParagraph:
        return line.empty() ? std::string(html::EmptyParagraphLine) : line;
    case TLineConversion::lcDropBoxOptions:
        if (line.size() != 1) {
            const auto [value, caption] = SplitAtTab(line);
            return FillTemplate(html::DropBoxOption,
                                {JavaScriptStringText(HtmlAttribute(value)), JavaScriptStringText(caption)});
        }
        break;
    case TLineConversion::lcBulletItems:
        if (line.size() > 1)
            return std::string(html::ListItemPrefix) + line;
        break;
    case TLineConversion::lcMetaTags:
        if (line.size() != 1) {
            const auto [name, content] = SplitAtTab(line);
            return FillTemplate(html::MetaTag, {HtmlAttribute(name), HtmlAttribute(content)});
        }
        break;
    }
    return line;
}

} // namespace

std::string ConvertLines(std::string_view text, TLineConversion way)
{
    // Converted as one text, as the editor shows it, before it is split.
    std::vector<std::string> lines = SplitLines(DocumentTextToUtf8(text));
    for (std::string& line : lines)
        line = ConvertLine(line, way);
    return JoinLines(lines);
}

} // namespace tarvin
