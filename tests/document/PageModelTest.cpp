// The page model: lazy blocks, collection operations and their index errors,
// the form reset, and the defaults of new content.

#include "document/DefaultPage.h"
#include "document/PageModel.h"

#include <gtest/gtest.h>

namespace tarvin {
namespace {

TEST(PageModel, NewItemReadsAsEmptyDetailsWithLazyBlocks)
{
    TPageItem item;
    EXPECT_EQ(item.BlockType, TBlockType::btPageProperties);
    EXPECT_EQ(item.BlockAlign, TBlockAlignment::baNone);
    EXPECT_FALSE(item.BlockOnNewLine);
    EXPECT_TRUE(item.HeadingBlock().Heading.empty());
    EXPECT_EQ(&item.HeadingBlock(), &item.HeadingBlock());  // created once, then kept
    EXPECT_EQ(item.HRBlock().Width, 0);
    EXPECT_EQ(item.BulletBlock().Style, TListStyle::lsDisc);
}

TEST(PageModel, CollectionOperationsAndIndexErrors)
{
    TPagelette page;
    auto& items = page.Page();
    for (int i = 0; i < 3; ++i)
        items.Add().HRBlock().Width = i;
    items.Insert(0).HRBlock().Width = 9;
    EXPECT_EQ(items.Items(0).HRBlock().Width, 9);
    items.Insert(items.Count()).HRBlock().Width = 10;  // at the end
    items.Move(0, 3);                                  // 0 1 2 9 10
    std::vector<int> order;
    for (const auto& item : items)
        order.push_back(item->HRBlock().Width);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 9, 10}));
    items.Delete(4);
    EXPECT_EQ(items.Count(), 4);

    EXPECT_THROW(items.Items(4), EListError);
    EXPECT_THROW(items.Items(-1), EListError);
    EXPECT_THROW(items.Move(0, 4), EListError);
    EXPECT_THROW(items.Delete(-1), EListError);
    EXPECT_THROW(items.Insert(6), EListError);
    EXPECT_EQ(items.Count(), 4);  // a refused insert creates nothing
    try {
        items.Items(7);
        FAIL() << "no list-index error";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (7)");
    }
}

TEST(PageModel, ClearFormResetsOptionsAndOptionallyThePage)
{
    TPagelette page;
    BuildDefaultPage(page);
    page.WebForm().Add().Name = "Name";
    page.AlphaSort = page.BlankFields = page.Border = page.BrowserUsed = page.EmailAddress = true;
    page.EmailSubject = page.EnvReport = page.FormFooter = page.HostName = true;
    page.Color = page.FormTitle = page.Email = page.Redirect = page.Subject = page.FormHandler = "x";

    page.ClearForm(false);
    EXPECT_EQ(page.Page().Count(), 4);
    EXPECT_EQ(page.WebForm().Count(), 0);
    EXPECT_FALSE(page.AlphaSort || page.BlankFields || page.Border || page.BrowserUsed || page.EmailAddress ||
                 page.EmailSubject || page.EnvReport || page.FormFooter || page.HostName);
    EXPECT_TRUE(page.Color.empty() && page.FormTitle.empty() && page.Email.empty() && page.Redirect.empty() &&
                page.Subject.empty() && page.FormHandler.empty());

    page.ClearForm(true);
    EXPECT_EQ(page.Page().Count(), 0);
}

TEST(PageModel, DefaultPageAndNewBlockDefaults)
{
    TPagelette page;
    BuildDefaultPage(page);
    ASSERT_EQ(page.Page().Count(), 4);
    std::vector<TBlockType> types;
    for (const auto& item : page.Page())
        types.push_back(item->BlockType);
    EXPECT_EQ(types, (std::vector<TBlockType>{TBlockType::btPageProperties, TBlockType::btImage, TBlockType::btLink,
                                              TBlockType::btText}));
    const auto& details = page.Page().Items(0).PagePropertiesBlock();
    EXPECT_EQ(details.ThemeName, "Default");
    EXPECT_EQ(details.IndentMargin, "0");
    EXPECT_EQ(details.BGColor, 0x00FFFFFF);
    EXPECT_EQ(details.VLinkColor, 0x00990099);
    EXPECT_FALSE(page.Page().Items(0).BlockOnNewLine);

    TPageItem& heading = InsertNewItem(page, 1, TBlockType::btHeading);
    EXPECT_EQ(heading.BlockAlign, TBlockAlignment::baCenter);
    EXPECT_TRUE(heading.BlockOnNewLine);
    EXPECT_EQ(heading.HeadingBlock().Attributes, "\"Times New Roman\", 12, [], [$00050000]");
    TPageItem& line = InsertNewItem(page, 2, TBlockType::btHR);
    EXPECT_EQ(line.BlockAlign, TBlockAlignment::baLeft);
    EXPECT_EQ(line.HRBlock().Width, 100);
    EXPECT_EQ(page.Page().Items(3).ImageBlock().Alt, "Image");
    EXPECT_EQ(BlockTypeCaption(TBlockType::btBullet), "Bullet List");
}

} // namespace
} // namespace tarvin
