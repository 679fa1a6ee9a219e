// The component stream: exact bytes of what the program writes, and the
// reader's rules for what other writers may have produced.

#include "document/ComponentStream.h"
#include "document/DefaultPage.h"
#include "document/PageModel.h"
#include "support/StreamBytes.h"

#include <gtest/gtest.h>

#include <functional>

using namespace std::string_literals;

namespace tarvin {
namespace {

using test::StreamBytes;

ClassRegistry Pages()
{
    ClassRegistry registry;
    registry.Register<TPagelette>();
    return registry;
}

std::unique_ptr<TPagelette> Read(const std::string& bytes)
{
    auto root = ReadComponentStream(bytes, Pages());
    return std::unique_ptr<TPagelette>(static_cast<TPagelette*>(root.release()));
}

// The records every page item carries for the blocks that are not its own.
StreamBytes& ItemRecords(StreamBytes& b, std::string_view type, std::string_view align, bool newLine,
                         const std::function<void(StreamBytes&, std::string_view block)>& strings = {})
{
    auto add = [&](std::string_view block) { if (strings) strings(b, block); };
    b.Ident("BlockType", type).Ident("BlockAlign", align).Bool("BlockOnNewLine", newLine);
    add("PagePropertiesBlock");
    b.Bool("PagePropertiesBlock.Underline", false)
        .Int8("PagePropertiesBlock.BGColor", 0).Int8("PagePropertiesBlock.TextColor", 0)
        .Int8("PagePropertiesBlock.LinkColor", 0).Int8("PagePropertiesBlock.ALinkColor", 0)
        .Int8("PagePropertiesBlock.VLinkColor", 0);
    add("HeadingBlock");
    b.Int8("HeadingBlock.ApplyFont", 0).Bool("LinkBlock.UseDropBox", false).Bool("LinkBlock.Email", false);
    add("ImageBlock");
    add("TextBlock");
    b.Int8("TextBlock.ApplyFont", 0).Ident("BulletBlock.Style", "lsDisc")
        .Int8("HRBlock.Width", 0).Int8("HRBlock.Size", 0).Bool("HRBlock.NoShade", false);
    return b.End();
}

StreamBytes& FormOptionsAllFalse(StreamBytes& b)
{
    for (const char* name : {"AlphaSort", "BlankFields", "Border", "BrowserUsed", "EmailAddress", "EmailSubject",
                             "EnvReport", "FormFooter", "HostName"})
        b.Bool(name, false);
    return b;
}

TEST(Stream, DefaultPageIsWrittenByteForByte)
{
    StreamBytes b;
    b.Header("TPagelette").Short("Page").Byte(0x0E);
    // The details item, exactly as the file format's worked example shows it.
    b.Byte(0x01)
        .Ident("BlockType", "btPageProperties").Ident("BlockAlign", "baNone").Bool("BlockOnNewLine", false)
        .Str("PagePropertiesBlock.IndentMargin", "0").Str("PagePropertiesBlock.ThemeName", "Default")
        .Bool("PagePropertiesBlock.Underline", false)
        .Int32("PagePropertiesBlock.BGColor", 0x00FFFFFF).Int8("PagePropertiesBlock.TextColor", 0)
        .Int32("PagePropertiesBlock.LinkColor", 0x00FF0000).Int16("PagePropertiesBlock.ALinkColor", 255)
        .Int32("PagePropertiesBlock.VLinkColor", 0x00990099)
        .Int8("HeadingBlock.ApplyFont", 0).Bool("LinkBlock.UseDropBox", false).Bool("LinkBlock.Email", false)
        .Int8("TextBlock.ApplyFont", 0).Ident("BulletBlock.Style", "lsDisc")
        .Int8("HRBlock.Width", 0).Int8("HRBlock.Size", 0).Bool("HRBlock.NoShade", false).End();
    b.Byte(0x01);
    ItemRecords(b, "btImage", "baLeft", true, [](StreamBytes& s, std::string_view block) {
        if (block == "ImageBlock") s.Str("ImageBlock.Alt", "Image");
    });
    b.Byte(0x01);
    ItemRecords(b, "btLink", "baLeft", true);
    b.Byte(0x01);
    ItemRecords(b, "btText", "baLeft", true, [](StreamBytes& s, std::string_view block) {
        if (block == "TextBlock") s.Str("TextBlock.Attributes", DefaultFontDescription);
    });
    b.End().Short("WebForm").Byte(0x0E).End();
    FormOptionsAllFalse(b).End().End();

    TPagelette page;
    BuildDefaultPage(page);
    EXPECT_EQ(WriteComponentStream(page), b.Bytes());
}

TEST(Stream, IntegersAndStringsTakeTheSmallestTag)
{
    struct Case { std::int32_t value; std::string bytes; };
    for (const Case& c : std::vector<Case>{
             {0, "\x02\x00"s}, {127, "\x02\x7F"s}, {-128, "\x02\x80"s}, {128, "\x03\x80\x00"s},
             {255, "\x03\xFF\x00"s}, {-129, "\x03\x7F\xFF"s}, {32768, "\x04\x00\x80\x00\x00"s},
             {0x00FFFFFF, "\x04\xFF\xFF\xFF\x00"s}, {-2147483647 - 1, "\x04\x00\x00\x00\x80"s}}) {
        TPagelette page;
        page.Page().Add().HRBlock().Width = c.value;
        const auto bytes = WriteComponentStream(page);
        const std::string record = "\x0DHRBlock.Width"s + c.bytes;
        EXPECT_NE(bytes.find(record), std::string::npos) << c.value;
        EXPECT_EQ(Read(bytes)->Page().Items(0).HRBlock().Width, c.value);
    }

    TPagelette page;
    page.Subject = std::string(255, 's');
    page.Redirect = std::string(256, 'r');
    const auto bytes = WriteComponentStream(page);
    EXPECT_NE(bytes.find("\x07Subject\x06\xFF"s + std::string(255, 's')), std::string::npos);
    EXPECT_NE(bytes.find("\x08Redirect\x0C\x00\x01\x00\x00"s + std::string(256, 'r')), std::string::npos);
    auto back = Read(bytes);
    EXPECT_EQ(back->Subject, page.Subject);
    EXPECT_EQ(back->Redirect, page.Redirect);
}

TEST(Stream, WritesFormElementsAndRoundTripsAFullPage)
{
    TPagelette page;
    BuildDefaultPage(page);
    page.Email = "me@example.org";
    page.FormTitle = "Tell us";
    page.AlphaSort = page.HostName = true;
    page.Tag = 7;
    page.Name = "Page1";
    TFormElement& radio = page.WebForm().Add();
    radio.FieldKind = TFieldKind::fkRadio;
    radio.Name = "Colour";
    radio.Strings = {"r|Red|Yes", std::string(300, 'g')};
    radio.Text = "Pick\r\none";
    page.WebForm().Add().FieldKind = TFieldKind::fkButton;
    TPageItem& bullets = page.Page().Insert(2);
    bullets.BlockType = TBlockType::btBullet;
    bullets.BulletBlock().Style = TListStyle::lsLoCaseRoman;
    bullets.BulletBlock().Bullets = "one\r\ntwo";

    const auto bytes = WriteComponentStream(page);
    StreamBytes form;
    form.Short("WebForm").Byte(0x0E).Byte(0x01).Ident("FieldKind", "fkRadio").Str("Name", "Colour")
        .Short("Strings.Strings").Byte(0x01).Byte(0x06).Short("r|Red|Yes")
        .Byte(0x0C).Raw("\x2C\x01\x00\x00"s).Raw(std::string(300, 'g')).End()
        .Str("Text", "Pick\r\none").End()
        .Byte(0x01).Ident("FieldKind", "fkButton").End().End();
    EXPECT_NE(bytes.find(form.Bytes()), std::string::npos);
    // Tag, inherited, comes before the page's own properties.
    const std::string header = "TPF0\x0ATPagelette\x05Page1\x03Tag\x02\x07\x04Page\x0E"s;
    EXPECT_EQ(bytes.substr(0, header.size()), header);

    auto back = Read(bytes);
    EXPECT_EQ(WriteComponentStream(*back), bytes);
    EXPECT_EQ(back->Name, "Page1");
    EXPECT_EQ(back->Page().Count(), 5);
    EXPECT_EQ(back->WebForm().Items(0).Strings.size(), 2u);
}

TEST(Stream, FormHandlerIsWrittenLastAndOnlyWhenSet)
{
    TPagelette page;
    page.Subject = "Hi";
    const auto without = WriteComponentStream(page);
    EXPECT_EQ(without.find("FormHandler"), std::string::npos);

    page.FormHandler = "/cgi-bin/mail.cgi";
    const auto with = WriteComponentStream(page);
    // Older files are the same stream less the record before the two ends.
    const std::string record = StreamBytes().Str("FormHandler", "/cgi-bin/mail.cgi").Bytes();
    EXPECT_EQ(with, without.substr(0, without.size() - 2) + record + without.substr(without.size() - 2));
    EXPECT_EQ(Read(with)->FormHandler, "/cgi-bin/mail.cgi");
    EXPECT_EQ(Read(without)->FormHandler, "");
}

TEST(Stream, ReaderAcceptsWhatOtherWritersProduce)
{
    StreamBytes b;
    b.Raw("TPF0").Byte(0xF2).Byte(0x02).Byte(0x05)  // flag prefix with a child position
        .Short("TPagelette").Short("")
        .Short("pAgE").Byte(0x0E)
        .Byte(0x02).Byte(0x00)                       // an item position before the item
        .Byte(0x01).Ident("blocktype", "BTHEADING").Short("BlockOnNewLine").Byte(0x07).Short("tRUE")
        .Str("headingblock.HEADING", "Hi").End()
        .End()
        .Short("Border").Byte(0x07).Short("true")
        .Int32("HRBlock.Width", 1).End().End();
    // HRBlock belongs to page items, not to the page.
    EXPECT_THROW(Read(b.Bytes()), StreamError);

    StreamBytes ok;
    ok.Raw("TPF0").Byte(0xF2).Byte(0x02).Byte(0x05).Short("TPagelette").Short("")
        .Short("pAgE").Byte(0x0E).Byte(0x02).Byte(0x00)
        .Byte(0x01).Ident("blocktype", "BTHEADING").Short("BlockOnNewLine").Byte(0x07).Short("tRUE")
        .Str("headingblock.HEADING", "Hi").Int32("HRBlock.Width", 1).End()
        .End()
        .Short("Border").Byte(0x07).Short("true").End().End();
    auto page = Read(ok.Bytes());
    ASSERT_EQ(page->Page().Count(), 1);
    TPageItem& item = page->Page().Items(0);
    EXPECT_EQ(item.BlockType, TBlockType::btHeading);
    EXPECT_TRUE(item.BlockOnNewLine);
    EXPECT_EQ(item.HeadingBlock().Heading, "Hi");
    EXPECT_EQ(item.HRBlock().Width, 1);
    EXPECT_TRUE(page->Border);
    EXPECT_EQ(page->WebForm().Count(), 0);  // no record: keeps the new object's value
}

TEST(Stream, ReaderRejectsBadInput)
{
    TPagelette page;
    BuildDefaultPage(page);
    const std::string good = WriteComponentStream(page);
    ASSERT_NO_THROW(Read(good));

    const std::vector<std::pair<const char*, std::string>> cases{
        {"empty", ""},
        {"wrong signature", "TPF1" + good.substr(4)},
        {"unknown class", StreamBytes().Header("TWebTheme").End().End().Bytes()},
        {"unknown property", StreamBytes().Header("TPagelette").Bool("Colour", true).End().End().Bytes()},
        // The root's name is in the header; as a record it is unknown.
        {"name as a record", StreamBytes().Header("TPagelette").Str("Name", "x").End().End().Bytes()},
        {"name in any case", StreamBytes().Header("TPagelette").Str("NAME", "x").End().End().Bytes()},
        {"integer for a Boolean", StreamBytes().Header("TPagelette").Int8("Border", 1).End().End().Bytes()},
        {"identifier not of the type", StreamBytes().Header("TPagelette").Short("Page").Byte(0x0E).Byte(0x01)
                                           .Ident("BlockType", "baLeft").End().End().End().End().Bytes()},
        {"false for an enumeration", StreamBytes().Header("TPagelette").Short("Page").Byte(0x0E).Byte(0x01)
                                         .Bool("BlockType", false).End().End().End().End().Bytes()},
        {"string for an integer", StreamBytes().Header("TPagelette").Str("HRBlock.Width", "1").End().End().Bytes()},
        {"path through a non-object", StreamBytes().Header("TPagelette").Str("Email.Text", "x").End().End().Bytes()},
        {"object as a value", StreamBytes().Header("TPagelette").Short("Page").Byte(0x0E).Byte(0x01)
                                  .Str("HeadingBlock", "x").End().End().End().End().Bytes()},
        {"children", StreamBytes().Header("TPagelette").End().Header("TPagelette").End().End().Bytes()},
        {"long string beyond the end", StreamBytes().Header("TPagelette").Short("Email").Byte(0x0C)
                                           .Raw("\xFF\xFF\xFF\x7F"s).Raw("abc").Bytes()},
        {"no final bytes", good.substr(0, good.size() - 1)},
        {"no children byte", good.substr(0, good.size() - 2)},
    };
    for (const auto& [what, bytes] : cases)
        EXPECT_THROW(Read(bytes), StreamError) << what;

    // Every truncation of a good file is rejected, never read past its end.
    for (std::size_t n = 0; n < good.size(); ++n)
        EXPECT_THROW(Read(good.substr(0, n)), StreamError) << n;
}

TEST(Stream, NamesAreCutTo255Bytes)
{
    TPagelette page;
    page.Name = std::string(300, 'n');
    const auto bytes = WriteComponentStream(page);
    EXPECT_EQ(bytes.substr(15, 1 + 255), "\xFF"s + std::string(255, 'n'));
    EXPECT_EQ(Read(bytes)->Name, std::string(255, 'n'));
}

} // namespace
} // namespace tarvin
