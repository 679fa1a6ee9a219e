#include "generator/PageHtml.h"

#include "generator/BlockHtml.h"
#include "generator/HtmlTemplates.h"
#include "generator/Markup.h"
#include "generator/PictureReference.h"

#include "document/Collection.h"
#include "document/FormMarkup.h"
#include "document/MakerAddresses.h"
#include "document/TextUtil.h"

namespace tarvin {

namespace {

std::string CreditText(const PageBuildOptions& options)
{
    return options.showLogo ? FillTemplate(html::CreditBlock, {maker::WebSite, maker::ButtonImage}) : std::string();
}

int MarginPixels(const std::string& indentMargin)
{
    try {
        return StrToInt(indentMargin);
    } catch (const EConvertError&) {
        throw GenerationError("The page margin '" + indentMargin + "' is not a whole number of pixels.");
    }
}

std::string BodyTag(const TPagePropertiesBlock& details, const PageBuildOptions& options)
{
    std::string body = FillTemplate(html::Body, {ColorToHtml(details.BGColor), ColorToHtml(details.TextColor),
                                                 ColorToHtml(details.LinkColor), ColorToHtml(details.ALinkColor),
                                                 ColorToHtml(details.VLinkColor)});
    if (!details.Background.empty())
        InsertBeforeLastChar(body, FillTemplate(html::Background, {PictureReference(PictureFolder::Backgrounds,
                                                                                    details.Background, options)}));
    return body;
}

// Each step assigns the whole list, so that a failing step leaves the list
// as the previous one made it.
void AssemblePage(TPagelette& page, LineList& lines, const PageBuildOptions& options)
{
    bool dropBoxUsed = false;
    for (int i = 1; i < page.Page().Count(); ++i)
        lines.Add(BlockHtml(page, i, options, dropBoxUsed));

    TPagePropertiesBlock& details = page.Page().Items(0).PagePropertiesBlock();
    if (options.selectTheme)
        options.selectTheme(details.ThemeName);

    const bool marginTable = details.IndentMargin != "0";
    if (marginTable) {
        const int margin = MarginPixels(details.IndentMargin);
        lines.SetText(FillTemplate(html::ThemeTable, {details.IndentMargin, std::to_string(600 - margin),
                                                      lines.Text(), CreditText(options)}));
    }
    lines.SetText(BodyTag(details, options) + std::string(CRLF) + lines.Text());
    if (details.Underline)
        lines.SetText(std::string(html::LinkStyle) + lines.Text());
    if (dropBoxUsed)
        lines.SetText(std::string(html::DropBoxScript) + lines.Text());
    if (!details.MetaText.empty())
        lines.SetText(ConvertLines(details.MetaText, TLineConversion::lcMetaTags) + lines.Text());

    const std::string header = FillTemplate(html::Header, {maker::WebSite, details.PageTitle});
    if (marginTable) {
        lines.SetText(header + lines.Text() + std::string(html::PageEnd));
    } else {
        lines.SetText(header + lines.Text() + CreditText(options));
        lines.Add(std::string(html::PageEnd));
    }
}

} // namespace

void BuildPageHtml(TPagelette& page, LineList& lines, const PageBuildOptions& options)
{
    if (page.Page().Count() == 0)
        return;
    if (options.storeCurrentBlock)
        options.storeCurrentBlock();
    try {
        AssemblePage(page, lines, options);
    } catch (const EListError&) {
        if (options.warn)
            options.warn(std::string(html::ErrorCreatingPage));
    }
}

} // namespace tarvin
