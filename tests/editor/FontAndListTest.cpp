// Font descriptions, the list box's horizontal extent and the line preview.

#include "document/TextUtil.h"
#include "editor/FontText.h"
#include "editor/panels/HRPanel.h"
#include "platform/ListBoxHrz.h"

#include <gtest/gtest.h>

namespace tarvin {
namespace {

TEST(FontTextTest, WritesStylesInOrderAndNamedColours)
{
    QFont font("Courier New", 10);
    EXPECT_EQ(FontToString(font, NoColourMarker), "\"Courier New\", 10, [], [$00050000]");
    font.setUnderline(true);
    font.setBold(true);
    EXPECT_EQ(FontToString(font, 0x00008000), "\"Courier New\", 10, [Bold|Underline], [clGreen]");
    font.setItalic(true);
    EXPECT_EQ(FontToString(font, static_cast<TColor>(0x80000005)), "\"Courier New\", 10, [Bold|Italic|Underline], [clWindow]");
    EXPECT_EQ(FontToString(QFont("Arial", 9), 0x1FFFFFFF), "\"Arial\", 9, [], [clNone]");
    EXPECT_EQ(FontToString(QFont("Arial", 9), 0x00123456), "\"Arial\", 9, [], [$00123456]");
}

TEST(FontTextTest, RoundTripsEveryKindOfColourText)
{
    for (const char* description : {"\"Times New Roman\", 12, [], [$00050000]", "\"Arial\", 20, [Bold|Italic], [clRed]",
                                    "\"Verdana\", 8, [Italic|Underline], [clBtnFace]", "\"Arial\", 14, [Underline], [clNone]",
                                    "\"Courier New\", 36, [Bold], [$00ABCDEF]", "\"Arial\", 10, [], [clWhite]"}) {
        QFont font;
        TColor color = 0;
        StringToFont(description, font, color);
        EXPECT_EQ(FontToString(font, color), description);
    }
}

TEST(FontTextTest, ReadsNamesAnyCaseAndRejectsBadSizes)
{
    QFont font;
    TColor color = 0;
    StringToFont("\"Arial\", 11, [Bold], [clblue]", font, color);
    EXPECT_EQ(font.family(), "Arial");
    EXPECT_EQ(font.pointSize(), 11);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_EQ(color, 0x00FF0000);
    EXPECT_THROW(StringToFont("\"Arial\", big, [], [clRed]", font, color), EConvertError);
    EXPECT_THROW(StringToFont("\"Arial\", 0, [], [clRed]", font, color), EConvertError);
    EXPECT_THROW(StringToFont("garbage", font, color), EConvertError);
}

TEST(ListBoxHrzTest, ExtentFollowsTheWidestRow)
{
    TListBoxHrz list;
    list.SetTabWidth(20);
    const QString wide = "a rather wide row of text";
    list.addItem(wide);
    const int wideRow = list.RowWidth(wide);
    EXPECT_EQ(wideRow, list.fontMetrics().horizontalAdvance(wide) + 26);
    EXPECT_EQ(list.CurrentWidth(), wideRow + 20);

    // A narrower row leaves it; the extent never shrinks on adding.
    list.addItem("x");
    EXPECT_EQ(list.CurrentWidth(), wideRow + 20);
    delete list.takeItem(0);
    EXPECT_EQ(list.CurrentWidth(), list.RowWidth("x") + 20);
    delete list.takeItem(0);
    EXPECT_EQ(list.CurrentWidth(), 20);
    list.addItem(wide);
    list.clear();
    EXPECT_EQ(list.CurrentWidth(), 0);
}

TEST(ListBoxHrzTest, AFirstRowOneHundredPixelsWideGivesAnExtentOf146)
{
    TListBoxHrz list;
    list.SetTabWidth(20);
    // Some run of one character is exactly 100 pixels wide in the list's font.
    QString hundred;
    for (char c = '!'; c <= '~' && hundred.isEmpty(); ++c)
        for (int n = 1; n <= 100 && hundred.isEmpty(); ++n)
            if (list.fontMetrics().horizontalAdvance(QString(n, QChar(c))) == 100)
                hundred = QString(n, QChar(c));
    ASSERT_FALSE(hundred.isEmpty());
    list.addItem(hundred);
    EXPECT_EQ(list.CurrentWidth(), 146);
}

TEST(LinePreviewTest, RoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(LinePreviewWidth(5, 250), 12);
    EXPECT_EQ(LinePreviewWidth(15, 250), 38);
    EXPECT_EQ(LinePreviewWidth(100, 250), 250);
    EXPECT_EQ(LinePreviewWidth(33, 250), 82);
}

} // namespace
} // namespace tarvin
