#include "document/PageModel.h"

namespace tarvin {

using namespace published;

const std::vector<std::string>& BlockTypeIdentifiers()
{
    static const std::vector<std::string> ids{"btPageProperties", "btHeading", "btImage", "btLink",
                                              "btText", "btBullet", "btHR", "btForms"};
    return ids;
}

const std::vector<std::string>& BlockAlignmentIdentifiers()
{
    static const std::vector<std::string> ids{"baNone", "baLeft", "baCenter", "baRight"};
    return ids;
}

const std::vector<std::string>& ListStyleIdentifiers()
{
    static const std::vector<std::string> ids{"lsDisc",    "lsCircle", "lsSquare",      "lsUpCaseA",
                                              "lsLoCaseA", "lsNum",    "lsUpCaseRoman", "lsLoCaseRoman"};
    return ids;
}

const std::string& BlockTypeCaption(TBlockType type)
{
    static const std::vector<std::string> captions{"Page Details", "Heading",     "Image", "Link",
                                                   "Paragraph",    "Bullet List", "Line",  "Forms"};
    return captions.at(static_cast<std::size_t>(type));
}

const PropertyList& TPagePropertiesBlock::PublishedProperties() const
{
    using C = TPagePropertiesBlock;
    static const PropertyList list{
        String<C>("PageTitle", &C::PageTitle),     String<C>("Background", &C::Background),
        String<C>("MetaText", &C::MetaText),       String<C>("IndentMargin", &C::IndentMargin),
        String<C>("ThemeName", &C::ThemeName),     Boolean<C>("Underline", &C::Underline),
        Integer<C>("BGColor", &C::BGColor),        Integer<C>("TextColor", &C::TextColor),
        Integer<C>("LinkColor", &C::LinkColor),    Integer<C>("ALinkColor", &C::ALinkColor),
        Integer<C>("VLinkColor", &C::VLinkColor),
    };
    return list;
}

const PropertyList& THeadingBlock::PublishedProperties() const
{
    using C = THeadingBlock;
    static const PropertyList list{String<C>("Heading", &C::Heading), String<C>("Attributes", &C::Attributes),
                                   Integer<C>("ApplyFont", &C::ApplyFont)};
    return list;
}

const PropertyList& TLinkBlock::PublishedProperties() const
{
    using C = TLinkBlock;
    static const PropertyList list{
        String<C>("LinkURL", &C::LinkURL),         String<C>("LinkText", &C::LinkText),
        String<C>("DropBoxText", &C::DropBoxText), Boolean<C>("UseDropBox", &C::UseDropBox),
        String<C>("Align", &C::Align),             Boolean<C>("Email", &C::Email),
    };
    return list;
}

const PropertyList& TImageBlock::PublishedProperties() const
{
    using C = TImageBlock;
    static const PropertyList list{
        String<C>("FileName", &C::FileName), String<C>("Height", &C::Height),       String<C>("Width", &C::Width),
        String<C>("Align", &C::Align),       String<C>("Alt", &C::Alt),             String<C>("ImageLink", &C::ImageLink),
        String<C>("ImagePath", &C::ImagePath),
    };
    return list;
}

const PropertyList& TTextBlock::PublishedProperties() const
{
    using C = TTextBlock;
    static const PropertyList list{String<C>("Text", &C::Text), String<C>("Attributes", &C::Attributes),
                                   Integer<C>("ApplyFont", &C::ApplyFont)};
    return list;
}

const PropertyList& TBulletBlock::PublishedProperties() const
{
    using C = TBulletBlock;
    static const PropertyList list{String<C>("Bullets", &C::Bullets),
                                   Enumeration<C>("Style", &C::Style, ListStyleIdentifiers())};
    return list;
}

const PropertyList& THRBlock::PublishedProperties() const
{
    using C = THRBlock;
    static const PropertyList list{Integer<C>("Width", &C::Width), Integer<C>("Size", &C::Size),
                                   Boolean<C>("NoShade", &C::NoShade)};
    return list;
}

TPagePropertiesBlock& TPageItem::PagePropertiesBlock() { return Lazy(pageProperties_); }
THeadingBlock& TPageItem::HeadingBlock() { return Lazy(heading_); }
TLinkBlock& TPageItem::LinkBlock() { return Lazy(link_); }
TImageBlock& TPageItem::ImageBlock() { return Lazy(image_); }
TTextBlock& TPageItem::TextBlock() { return Lazy(text_); }
TBulletBlock& TPageItem::BulletBlock() { return Lazy(bullet_); }
THRBlock& TPageItem::HRBlock() { return Lazy(hr_); }

const PropertyList& TPageItem::PublishedProperties() const
{
    using C = TPageItem;
    // LinkBlock comes before ImageBlock here, unlike the block type order.
    static const PropertyList list{
        Enumeration<C>("BlockType", &C::BlockType, BlockTypeIdentifiers()),
        Enumeration<C>("BlockAlign", &C::BlockAlign, BlockAlignmentIdentifiers()),
        Boolean<C>("BlockOnNewLine", &C::BlockOnNewLine),
        Object<C>("PagePropertiesBlock", [](C& c) -> Persistent& { return c.PagePropertiesBlock(); }),
        Object<C>("HeadingBlock", [](C& c) -> Persistent& { return c.HeadingBlock(); }),
        Object<C>("LinkBlock", [](C& c) -> Persistent& { return c.LinkBlock(); }),
        Object<C>("ImageBlock", [](C& c) -> Persistent& { return c.ImageBlock(); }),
        Object<C>("TextBlock", [](C& c) -> Persistent& { return c.TextBlock(); }),
        Object<C>("BulletBlock", [](C& c) -> Persistent& { return c.BulletBlock(); }),
        Object<C>("HRBlock", [](C& c) -> Persistent& { return c.HRBlock(); }),
    };
    return list;
}

void TPagelette::ClearForm(bool alsoPage)
{
    if (alsoPage)
        page_.Clear();
    webForm_.Clear();
    AlphaSort = BlankFields = Border = BrowserUsed = false;
    EmailAddress = EmailSubject = EnvReport = FormFooter = HostName = false;
    Color.clear();
    FormTitle.clear();
    Email.clear();
    Redirect.clear();
    Subject.clear();
    FormHandler.clear();
}

const PropertyList& TPagelette::PublishedProperties() const
{
    using C = TPagelette;
    static const PropertyList list = WithComponentProperties({
        OwnedCollection<C>("Page", [](C& c) -> CollectionBase& { return c.Page(); }),
        OwnedCollection<C>("WebForm", [](C& c) -> CollectionBase& { return c.WebForm(); }),
        Boolean<C>("AlphaSort", &C::AlphaSort),
        Boolean<C>("BlankFields", &C::BlankFields),
        Boolean<C>("Border", &C::Border),
        Boolean<C>("BrowserUsed", &C::BrowserUsed),
        String<C>("Color", &C::Color),
        Boolean<C>("EmailAddress", &C::EmailAddress),
        Boolean<C>("EmailSubject", &C::EmailSubject),
        Boolean<C>("EnvReport", &C::EnvReport),
        String<C>("FormTitle", &C::FormTitle),
        Boolean<C>("FormFooter", &C::FormFooter),
        Boolean<C>("HostName", &C::HostName),
        String<C>("Email", &C::Email),
        String<C>("Redirect", &C::Redirect),
        String<C>("Subject", &C::Subject),
        // Added last and, like every string, written only when not empty, so
        // pages that post to the default handler keep their bytes.
        String<C>("FormHandler", &C::FormHandler),
    });
    return list;
}

} // namespace tarvin
