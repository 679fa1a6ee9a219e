#pragma once
// The in-memory page: page items carrying one block each, the e-mail form and
// its options.

#include "document/Collection.h"
#include "document/Component.h"
#include "document/WebForm.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tarvin {

enum class TBlockType { btPageProperties, btHeading, btImage, btLink, btText, btBullet, btHR, btForms };
enum class TBlockAlignment { baNone, baLeft, baCenter, baRight };
enum class TListStyle { lsDisc, lsCircle, lsSquare, lsUpCaseA, lsLoCaseA, lsNum, lsUpCaseRoman, lsLoCaseRoman };

const std::vector<std::string>& BlockTypeIdentifiers();
const std::vector<std::string>& BlockAlignmentIdentifiers();
const std::vector<std::string>& ListStyleIdentifiers();
// "Page Details", "Heading", ... in TBlockType order.
const std::string& BlockTypeCaption(TBlockType type);

using TColor = std::int32_t;  // $00BBGGRR

// Stands for "no colour chosen" in a font description.
inline constexpr TColor NoColourMarker = 0x00050000;
inline constexpr const char* DefaultFontDescription = "\"Times New Roman\", 12, [], [$00050000]";

class TPagePropertiesBlock : public Persistent {
public:
    std::string PageTitle;
    std::string Background;
    std::string MetaText;
    std::string IndentMargin;
    std::string ThemeName;
    bool Underline = false;  // set: links are NOT underlined
    TColor BGColor = 0;
    TColor TextColor = 0;
    TColor LinkColor = 0;
    TColor ALinkColor = 0;
    TColor VLinkColor = 0;

    const PropertyList& PublishedProperties() const override;
};

class THeadingBlock : public Persistent {
public:
    std::string Heading;
    std::string Attributes;  // a font description
    std::uint8_t ApplyFont = 0;

    const PropertyList& PublishedProperties() const override;
};

class TLinkBlock : public Persistent {
public:
    std::string LinkURL;
    std::string LinkText;
    std::string DropBoxText;  // one entry per line: URL TAB caption
    bool UseDropBox = false;
    std::string Align;
    bool Email = false;

    const PropertyList& PublishedProperties() const override;
};

class TImageBlock : public Persistent {
public:
    std::string FileName;
    std::string Height;
    std::string Width;
    std::string Align;
    std::string Alt;
    std::string ImageLink;
    std::string ImagePath;

    const PropertyList& PublishedProperties() const override;
};

class TTextBlock : public Persistent {
public:
    std::string Text;
    std::string Attributes;
    std::uint8_t ApplyFont = 0;

    const PropertyList& PublishedProperties() const override;
};

class TBulletBlock : public Persistent {
public:
    std::string Bullets;
    TListStyle Style = TListStyle::lsDisc;

    const PropertyList& PublishedProperties() const override;
};

class THRBlock : public Persistent {
public:
    std::int32_t Width = 0;
    std::int32_t Size = 0;
    bool NoShade = false;

    const PropertyList& PublishedProperties() const override;
};

class TPageItem : public Persistent {
public:
    TBlockType BlockType = TBlockType::btPageProperties;
    TBlockAlignment BlockAlign = TBlockAlignment::baNone;
    bool BlockOnNewLine = false;

    // Each block is created, empty, on its first read.
    TPagePropertiesBlock& PagePropertiesBlock();
    THeadingBlock& HeadingBlock();
    TLinkBlock& LinkBlock();
    TImageBlock& ImageBlock();
    TTextBlock& TextBlock();
    TBulletBlock& BulletBlock();
    THRBlock& HRBlock();

    const PropertyList& PublishedProperties() const override;

private:
    template <class Block>
    static Block& Lazy(std::unique_ptr<Block>& block)
    {
        if (!block)
            block = std::make_unique<Block>();
        return *block;
    }

    std::unique_ptr<TPagePropertiesBlock> pageProperties_;
    std::unique_ptr<THeadingBlock> heading_;
    std::unique_ptr<TLinkBlock> link_;
    std::unique_ptr<TImageBlock> image_;
    std::unique_ptr<TTextBlock> text_;
    std::unique_ptr<TBulletBlock> bullet_;
    std::unique_ptr<THRBlock> hr_;
};

class TPageCollection : public Collection<TPageItem> {};

class TPagelette : public Component {
public:
    TPageCollection& Page() { return page_; }
    const TPageCollection& Page() const { return page_; }
    TWebForm& WebForm() { return webForm_; }
    const TWebForm& WebForm() const { return webForm_; }

    bool AlphaSort = false;
    bool BlankFields = false;
    bool Border = false;
    bool BrowserUsed = false;
    std::string Color;
    bool EmailAddress = false;
    bool EmailSubject = false;
    bool EnvReport = false;
    std::string FormTitle;
    bool FormFooter = false;
    bool HostName = false;
    std::string Email;
    std::string Redirect;
    std::string Subject;
    // Where the form posts; empty for DefaultFormHandler on the page's own site.
    std::string FormHandler;

    // Empties the form and resets its options; with alsoPage, empties the page first.
    void ClearForm(bool alsoPage);

    std::string ClassName() const override { return "TPagelette"; }
    const PropertyList& PublishedProperties() const override;

private:
    TPageCollection page_;
    TWebForm webForm_;
};

} // namespace tarvin
