#include "generator/PageHtml.h"

#include "generator/BlockHtml.h"
#include "generator/CreditPicture.h"
#include "generator/HtmlTemplates.h"
#include "generator/Markup.h"
#include "generator/PictureReference.h"

#include "document/Collection.h"
#include "document/FormMarkup.h"
#include "document/MakerAddresses.h"
#include "document/TextEncoding.h"
#include "document/TextUtil.h"

namespace tarvin {

namespace {

std::string CreditText(const PageBuildOptions& options)
{
    return options.showLogo ? FillTemplate(html::CreditBlock, {maker::WebSite, html::CreditPicture}) : std::string();
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

// The blocks are added one entry each; the page around them is then composed
// top to bottom and assigned in one go. That gives the same lines as wrapping
// the list step by step, because once the margin has been read nothing can
// fail half-way, and it keeps large pages from being re-split many times.
void AssemblePage(TPagelette& page, LineList& lines, const PageBuildOptions& options)
{
    bool dropBoxUsed = false;
    for (int i = 1; i < page.Page().Count(); ++i)
        lines.Add(BlockHtml(page, i, options, dropBoxUsed));

    TPagePropertiesBlock& details = page.Page().Items(0).PagePropertiesBlock();
    if (options.selectTheme)
        options.selectTheme(details.ThemeName);
    // "0" means no margin table; any other text must be a number of pixels.
    const bool marginTable = details.IndentMargin != "0";
    const int margin = marginTable ? MarginPixels(details.IndentMargin) : 0;

    std::string pageText = FillTemplate(html::Header, {maker::WebSite, DocumentTextToUtf8(details.PageTitle)});
    if (!details.MetaText.empty())
        pageText += ConvertLines(details.MetaText, TLineConversion::lcMetaTags);
    if (dropBoxUsed)
        pageText += html::DropBoxScript;
    if (details.Underline)
        pageText += html::LinkStyle;
    pageText += BodyTag(details, options);
    pageText += CRLF;
    if (marginTable) {
        // Wide enough for any margin: 600 less the most negative int does not fit an int.
        pageText += FillTemplate(html::ThemeTable, {details.IndentMargin, std::to_string(600 - std::int64_t{margin}),
                                                    lines.Text(), CreditText(options)});
        pageText += html::PageEnd;
        lines.SetText(pageText);
        return;
    }
    // Without the table the blocks' lines go straight into the page, so a
    // large page is not joined into one text and split again. Every piece
    // ends at a line break, so splitting piece by piece gives the same lines.
    LineList composed;
    composed.AppendText(pageText);
    for (const std::string& entry : lines.Entries()) {
        composed.AppendText(entry);
        // Read as text, each entry is followed by a line break of its own.
        if (entry.empty() || entry.back() == '\r' || entry.back() == '\n')
            composed.Add(std::string());
    }
    composed.AppendText(CreditText(options));
    composed.AppendText(html::PageEnd);
    lines = std::move(composed);
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
