// Fonts given to hidden text boxes wait until the box is shown (so that a new
// window's hidden panels do not load fonts before its first picture), while
// the memo's font description follows the font at once.

#include "editor/FontMemo.h"
#include "editor/FontWhenShown.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace tarvin {
namespace {

TEST(FontWhenShown, AHiddenBoxTakesTheLastFontWhenShownAVisibleOneAtOnce)
{
    QPlainTextEdit box;
    const QFont before = box.font();
    SetFontWhenShown(box, QFont("Serif", 20));
    SetFontWhenShown(box, QFont("Serif", 14));
    EXPECT_EQ(box.font(), before);
    box.show();
    EXPECT_EQ(box.font().pointSize(), 14);
    SetFontWhenShown(box, QFont("Serif", 9));
    EXPECT_EQ(box.font().pointSize(), 9);
    box.hide();
    box.show();
    EXPECT_EQ(box.font().pointSize(), 9);
}

TEST(FontWhenShown, AHiddenMemoDescribesItsNewFontBeforeShowingIt)
{
    FontMemo memo(true);
    memo.SetFontDescription("\"Arial\", 20, [Bold], [clRed]");
    EXPECT_EQ(memo.FontDescription(), "\"Arial\", 20, [Bold], [clRed]");
    memo.show();
    EXPECT_EQ(memo.font().pointSize(), 20);
    EXPECT_TRUE(memo.font().bold());
}

} // namespace
} // namespace tarvin
