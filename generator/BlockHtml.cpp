#include "generator/BlockHtml.h"

#include "generator/HtmlTemplates.h"
#include "generator/Markup.h"
#include "generator/PictureReference.h"

#include "document/Collection.h"
#include "document/FormMarkup.h"
#include "document/TextEncoding.h"
#include "document/TextUtil.h"

#include <array>

namespace tarvin {

namespace {

std::string ImageHtml(TImageBlock& block, const PageBuildOptions& options)
{
    std::string image = FillTemplate(html::Image, {PictureReference(PictureFolder::Images, block.FileName, options),
                                                   HtmlAttribute(block.Alt), HtmlAttribute(block.Height),
                                                   HtmlAttribute(block.Width)});
    if (!block.Align.empty())
        InsertBeforeFirstTagEnd(image, FillTemplate(html::ImageAlign, {HtmlAttribute(block.Align)}));
    if (!block.ImageLink.empty())
        image = FillTemplate(html::Link, {HtmlAttribute(block.ImageLink), image});
    return image;
}

std::string LinkHtml(TLinkBlock& block, int index, bool& dropBoxUsed)
{
    if (block.UseDropBox && !block.DropBoxText.empty()) {
        dropBoxUsed = true;
        // The item index keeps each box's form name unique within the page.
        const std::string number = std::to_string(index);
        return FillTemplate(html::DropBoxForm,
                            {number, ConvertLines(block.DropBoxText, TLineConversion::lcDropBoxOptions), number});
    }
    std::string link =
        FillTemplate(html::Link, {HtmlAttribute(block.LinkURL), DocumentTextToUtf8(block.LinkText)});
    if (block.Email)
        link.insert(link.find('"') + 1, html::MailPrefix);
    return link;
}

std::string BulletHtml(TBulletBlock& block)
{
    struct ListKind {
        std::string_view tag;
        std::string_view type;
    };
    static constexpr std::array<ListKind, 8> kinds{{
        {"UL", "DISC"}, {"UL", "CIRCLE"}, {"UL", "SQUARE"}, {"OL", "A"},
        {"OL", "a"}, {"OL", "1"}, {"OL", "I"}, {"OL", "i"},
    }};
    const ListKind& kind = kinds.at(static_cast<std::size_t>(block.Style));
    return FillTemplate(html::List,
                        {kind.tag, kind.type, ConvertLines(block.Bullets, TLineConversion::lcBulletItems), kind.tag});
}

std::string LineHtml(THRBlock& block)
{
    static constexpr std::array<std::string_view, 6> thickness{"3", "6", "9", "12", "15", "18"};
    // A thickness index the editor never offers (from a foreign file) is a
    // list-index error, reported like any other.
    if (block.Size < 0 || block.Size >= static_cast<int>(thickness.size()))
        throw EListError(block.Size);
    std::string line =
        FillTemplate(html::Line, {std::to_string(block.Width), "%", thickness[static_cast<std::size_t>(block.Size)]});
    if (block.NoShade)
        InsertBeforeFirstTagEnd(line, html::NoShade);
    return line;
}

std::string ContentHtml(TPagelette& page, TPageItem& item, int index, const PageBuildOptions& options,
                        bool& dropBoxUsed)
{
    switch (item.BlockType) {
    case TBlockType::btHeading: {
        THeadingBlock& heading = item.HeadingBlock();
        return ApplyFontAttributes(DocumentTextToUtf8(heading.Heading), heading.Attributes, heading.ApplyFont);
    }
    case TBlockType::btImage:
        return ImageHtml(item.ImageBlock(), options);
    case TBlockType::btLink:
        return LinkHtml(item.LinkBlock(), index, dropBoxUsed);
    case TBlockType::btText: {
        TTextBlock& paragraph = item.TextBlock();
        return ApplyFontAttributes(ConvertLines(paragraph.Text, TLineConversion::lcParagraph), paragraph.Attributes,
                                   paragraph.ApplyFont);
    }
    case TBlockType::btBullet:
        return BulletHtml(item.BulletBlock());
    case TBlockType::btHR:
        return LineHtml(item.HRBlock());
    case TBlockType::btForms:
        // A form without fields is left out.
        return page.WebForm().Count() > 0 ? GetFormHtml(page) : std::string();
    case TBlockType::btPageProperties:
        break;
    }
    return {};
}

} // namespace

std::string BlockHtml(TPagelette& page, int index, const PageBuildOptions& options, bool& dropBoxUsed)
{
    TPageItem& item = page.Page().Items(index);
    std::string block = ContentHtml(page, item, index, options, dropBoxUsed);
    if (item.BlockAlign == TBlockAlignment::baCenter)
        block = FillTemplate(html::Center, {block});
    else if (item.BlockAlign == TBlockAlignment::baRight)
        block = FillTemplate(html::Right, {block});
    if (item.BlockOnNewLine && item.BlockType != TBlockType::btPageProperties)
        block += html::NewLine;
    return block;
}

} // namespace tarvin
