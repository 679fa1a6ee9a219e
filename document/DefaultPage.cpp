#include "document/DefaultPage.h"

namespace tarvin {

TPageItem& InsertNewItem(TPagelette& page, int position, TBlockType type)
{
    TPageItem& item = page.Page().Insert(position);
    item.BlockType = type;
    item.BlockOnNewLine = true;
    switch (type) {
    case TBlockType::btHeading:
        item.BlockAlign = TBlockAlignment::baCenter;
        item.HeadingBlock().Attributes = DefaultFontDescription;
        item.HeadingBlock().ApplyFont = 0;
        break;
    case TBlockType::btPageProperties:
        item.BlockAlign = TBlockAlignment::baNone;
        break;
    default:
        item.BlockAlign = TBlockAlignment::baLeft;
        break;
    }
    switch (type) {
    case TBlockType::btText:
        item.TextBlock().Attributes = DefaultFontDescription;
        item.TextBlock().ApplyFont = 0;
        break;
    case TBlockType::btImage:
        item.ImageBlock().Alt = "Image";
        break;
    case TBlockType::btBullet:
        item.BulletBlock().Style = TListStyle::lsDisc;
        break;
    case TBlockType::btHR:
        item.HRBlock().Width = 100;
        item.HRBlock().Size = 0;
        break;
    default:
        break;
    }
    return item;
}

void BuildDefaultPage(TPagelette& page)
{
    TPageItem& details = page.Page().Insert(0);
    details.BlockType = TBlockType::btPageProperties;
    TPagePropertiesBlock& p = details.PagePropertiesBlock();
    p.ThemeName = "Default";
    p.IndentMargin = "0";
    p.BGColor = 0x00FFFFFF;
    p.TextColor = 0x00000000;
    p.LinkColor = 0x00FF0000;
    p.ALinkColor = 0x000000FF;
    p.VLinkColor = 0x00990099;
    InsertNewItem(page, 1, TBlockType::btImage);
    InsertNewItem(page, 2, TBlockType::btLink);
    InsertNewItem(page, 3, TBlockType::btText);
}

} // namespace tarvin
