// The grey line under a block row: the start of each kind of block's content.

#include "editor/BlockSummary.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarvin {
namespace {

TEST(BlockSummaryTest, EachBlockShowsTheStartOfItsContent)
{
    using BT = TBlockType;
    struct Case {
        BT type;
        std::function<void(TPageItem&)> fill;
        const char* summary;
    };
    const Case cases[] = {
        {BT::btPageProperties, [](TPageItem& i) { i.PagePropertiesBlock().PageTitle = "My Garden"; }, "My Garden"},
        {BT::btHeading, [](TPageItem& i) { i.HeadingBlock().Heading = "  Roses   and\ttulips "; }, "Roses and tulips"},
        {BT::btHeading, [](TPageItem&) {}, ""},
        {BT::btImage, [](TPageItem& i) { i.ImageBlock().FileName = "rose.jpg"; }, "rose.jpg"},
        {BT::btLink, [](TPageItem& i) { i.LinkBlock().LinkText = "Click here"; i.LinkBlock().LinkURL = "http://a.example/"; }, "Click here"},
        {BT::btLink, [](TPageItem& i) { i.LinkBlock().LinkURL = "http://a.example/"; }, "http://a.example/"},
        {BT::btLink, [](TPageItem& i) { i.LinkBlock().UseDropBox = true; i.LinkBlock().DropBoxText = "a\tA\r\nb\tB\r\n"; }, "2 links in a drop box"},
        {BT::btText, [](TPageItem& i) { i.TextBlock().Text = "\r\n  \r\nOnce upon a time\r\nthere was"; }, "Once upon a time"},
        // Windows-1252 bytes from an older document are shown, not garbled.
        {BT::btText, [](TPageItem& i) { i.TextBlock().Text = "Caf\xE9 au lait"; }, "Caf\xC3\xA9 au lait"},
        {BT::btBullet, [](TPageItem& i) { i.BulletBlock().Bullets = "one\r\n\r\ntwo\r\nthree"; }, "3 bullets"},
        {BT::btBullet, [](TPageItem& i) { i.BulletBlock().Bullets = "one"; }, "1 bullet"},
        {BT::btHR, [](TPageItem& i) { i.HRBlock().Width = 75; }, "75% wide"},
    };
    for (const Case& c : cases) {
        TPagelette page;
        TPageItem& item = page.Page().Add();
        item.BlockType = c.type;
        c.fill(item);
        EXPECT_EQ(BlockSummary(item, page).toStdString(), c.summary) << BlockTypeCaption(c.type);
    }
}

TEST(BlockSummaryTest, TheFormCountsItsFieldsAndLongTextsAreCutWhole)
{
    TPagelette page;
    TPageItem& form = page.Page().Add();
    form.BlockType = TBlockType::btForms;
    EXPECT_EQ(BlockSummary(form, page), "");
    page.WebForm().Add();
    page.WebForm().Add();
    EXPECT_EQ(BlockSummary(form, page), "2 fields");

    // A cut never splits a character, which would turn the line into another encoding.
    TPageItem& text = page.Page().Add();
    text.BlockType = TBlockType::btText;
    for (int i = 0; i < 100; ++i)
        text.TextBlock().Text += "\xC3\xA9";
    const QString summary = BlockSummary(text, page);
    EXPECT_GE(summary.size(), 50);
    EXPECT_EQ(summary, QString(summary.size(), QChar(0xE9)));
}

} // namespace
} // namespace tarvin
