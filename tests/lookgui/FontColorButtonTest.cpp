// The font dialog's Color button opens the colour picker on the sample's colour.

#include "assistants/TfrmMisc.h"
#include "look/TfrmColor.h"
#include "platform/SharedOpenDialog.h"

#include "PickerFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace tarvin {
namespace {

class FontColorButtonTest : public testing::PickerFixture {
protected:
    FontColorButtonTest() {
        WritePalette("Web Palette.pal", 0, 10);
        dialog.SetProgramFolder(ProgramFolder());
        dialog.SetDialogMode(dmFont);
        dialog.SetSample(QFont("No Such Font Family", 13), QColor(10, 20, 30));
        dialog.FormShow();
    }

    // Clicks Color; in the picker, types the blue value and presses the button.
    void PickBlue(const char* blue, const char* button) {
        QTimer::singleShot(0, &dialog, [this, blue, button] {
            auto* picker = qobject_cast<TfrmColor*>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            seen = picker->PickedColor();
            picker->findChild<QLineEdit*>("txtBlue")->setText(blue);
            picker->findChild<QPushButton*>(button)->click();
        });
        dialog.findChild<QPushButton*>("btnColor")->click();
    }

    SharedOpenDialog openDialog{dialogs};
    TfrmMisc dialog{openDialog};
    TColor seen = 0;
};

TEST_F(FontColorButtonTest, OkGivesTheSampleThePickedColour) {
    PickBlue("200", "bntOK");
    EXPECT_EQ(seen, 10 | (20 << 8) | (30 << 16));
    EXPECT_EQ(dialog.SampleColor(), QColor(10, 20, 200));
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(FontColorButtonTest, CancelKeepsTheSampleColour) {
    PickBlue("200", "btnCancel");
    EXPECT_EQ(dialog.SampleColor(), QColor(10, 20, 30));
}

} // namespace
} // namespace tarvin
