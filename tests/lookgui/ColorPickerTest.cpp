// The colour picker: palettes, picking swatches, the component boxes, the
// colour it gives back, and the font dialog's Color button that opens it.

#include "assistants/TfrmMisc.h"
#include "look/PaletteArea.h"
#include "look/TfrmColor.h"
#include "platform/SharedOpenDialog.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace tarvin {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}

// A program folder of its own, in a run where no palette has been read yet.
class ColorPickerTest : public ::testing::Test {
protected:
    ColorPickerTest() {
        QDir(folder.path()).mkdir("Palettes");
        SharedPalette() = RunPalette{};
    }

    // A palette whose slot i is (first + i, 0, 0), for count slots.
    void WritePalette(const QString& name, int first, int count) {
        QFile file(folder.path() + "/Palettes/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("A palette\r\n");
        for (int i = 0; i < count; ++i) file.write(QByteArray::number(first + i) + " 0 0\r\n");
    }

    // Created and given a colour as a caller does; Open also shows it.
    void Create(TColor color) {
        picker = std::make_unique<TfrmColor>(dialogs, folder.path() + "/");
        picker->SetPickedColor(color);
    }
    void Open(TColor color = Rgb(255, 255, 255)) {
        Create(color);
        picker->show();
    }

    template <typename T = QWidget>
    T* Child(const char* name) {
        T* child = picker->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    // Decimal boxes / hexadecimal boxes / scroll bars / sample, e.g.
    // "35 0 0 / 23 00 00 / 35 0 0 / 35 0 0".
    QString Shown() {
        QStringList parts;
        for (const char* prefix : {"txt", "txtH"}) {
            QStringList texts;
            for (const char* name : {"Red", "Green", "Blue"})
                texts << Child<QLineEdit>((prefix + std::string(name)).c_str())->text();
            parts << texts.join(' ');
        }
        parts << QString("%1 %2 %3").arg(Child<QScrollBar>("hsbRed")->value())
                     .arg(Child<QScrollBar>("hsbGreen")->value()).arg(Child<QScrollBar>("hsbBlue")->value());
        const QColor sample = Child("shpPreview")->palette().color(QPalette::Window);
        parts << QString("%1 %2 %3").arg(sample.red()).arg(sample.green()).arg(sample.blue());
        return parts.join(" / ");
    }

    void Click(QPoint at) { QTest::mouseClick(Child("pbPalette"), Qt::LeftButton, {}, at); }

    QTemporaryDir folder;
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<TfrmColor> picker;
};

TEST_F(ColorPickerTest, ListsThePalettesAndReadsTheChosenOne) {
    WritePalette("Web Palette.pal", 0, 200);
    WritePalette("Autumn.pal", 100, 5);
    WritePalette("notes.txt", 0, 5);
    Open();
    auto* box = Child<QComboBox>("cbPalette");
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->currentText(), "Web Palette");
    EXPECT_EQ(SharedPalette().colors[199], Rgb(199, 0, 0));
    EXPECT_TRUE(dialogs.calls.empty());

    Click({50, 35});
    ASSERT_TRUE(Child("shpPicker")->isVisible());
    box->setCurrentIndex(0);
    emit box->activated(0);
    EXPECT_EQ(SharedPalette().colors[0], Rgb(100, 0, 0));
    EXPECT_EQ(SharedPalette().colors[5], PaletteWhite);
    EXPECT_FALSE(Child("shpPicker")->isVisible());
}

TEST_F(ColorPickerTest, AMissingWebPaletteIsReportedAndTheOneReadBeforeStays) {
    SharedPalette() = {ParsePalette("1 2 3\r\n"), true};
    Open();
    ASSERT_EQ(dialogs.CallsOf(testing::ScriptedDialogs::Kind::Error).size(), 1u);
    EXPECT_TRUE(dialogs.calls[0].text.contains("Web Palette.pal")) << dialogs.calls[0].text.toStdString();
    EXPECT_EQ(Child<QComboBox>("cbPalette")->currentIndex(), -1);
    Click({5, 5});
    EXPECT_EQ(Shown(), "1 2 3 / 01 02 03 / 1 2 3 / 1 2 3");
}

TEST_F(ColorPickerTest, WithNoPaletteEverReadNothingIsPaintedOrPicked) {
    Open();
    EXPECT_EQ(Child("pbPalette")->grab().toImage().pixelColor(20, 20), QColor(Qt::white));
    Click({20, 20});
    EXPECT_FALSE(Child("shpPicker")->isVisible());
}

struct PickCase {
    QPoint at;
    int column;
    int row;
};

class PickingSwatches : public ColorPickerTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(PickingSwatches, PicksTheCellUnderThePointer) {
    WritePalette("Web Palette.pal", 0, 256);
    Open();
    const auto [at, column, row] = GetParam();
    Click(at);
    const int slot = row * 16 + column;
    EXPECT_EQ(Child("pbPalette")->grab().toImage().pixelColor(column * 15 + 8, row * 15 + 8), QColor(slot, 0, 0));
    EXPECT_TRUE(Child("shpPicker")->isVisible());
    EXPECT_EQ(Child("shpPicker")->geometry(), QRect(column * 15, row * 15, 17, 17));
    EXPECT_EQ(Shown(), QString("%1 0 0 / %2 00 00 / %1 0 0 / %1 0 0")
                           .arg(slot).arg(QString::number(slot, 16).toUpper().rightJustified(2, '0')));
}

INSTANTIATE_TEST_SUITE_P(ColorPicker, PickingSwatches,
                         ::testing::Values(PickCase{{3 * 15 + 8, 2 * 15 + 8}, 3, 2},  // slot 35
                                           PickCase{{1, 2}, 0, 0},  // the edge belongs to the first cell
                                           PickCase{{18, 18}, 1, 1},
                                           PickCase{{241, 241}, 15, 15}));

TEST_F(ColorPickerTest, ShowingSetsTheBoxesAndSampleToThePickedColour) {
    Open(Rgb(255, 0, 0));
    EXPECT_EQ(Shown(), "255 0 0 / FF 00 00 / 255 0 0 / 255 0 0");
}

struct TextCase {
    const char* box;
    const char* typed;  // empty: the box is emptied
    const char* shown;
};

class TypingInABox : public ColorPickerTest, public ::testing::WithParamInterface<TextCase> {};

// Decimal text counts as it is typed; hexadecimal text once the box is left.
TEST_P(TypingInABox, MovesTheBarOrPutsTheValueBack) {
    Open(Rgb(0, 40, 0));
    QApplication::setActiveWindow(picker.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(picker.get()));
    auto* box = Child<QLineEdit>(GetParam().box);
    box->setFocus();
    box->selectAll();
    if (*GetParam().typed)
        QTest::keyClicks(box, GetParam().typed);  // the first key replaces the selection
    else
        QTest::keyClick(box, Qt::Key_Backspace);
    Child("txtBlue")->setFocus();
    EXPECT_EQ(Shown(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    ColorPicker, TypingInABox,
    ::testing::Values(TextCase{"txtGreen", "", "0 40 0 / 00 28 00 / 0 40 0 / 0 40 0"},
                      TextCase{"txtGreen", "007", "0 7 0 / 00 07 00 / 0 7 0 / 0 7 0"},
                      TextCase{"txtGreen", "2a5x", "0 25 0 / 00 19 00 / 0 25 0 / 0 25 0"},
                      TextCase{"txtGreen", "256", "0 25 0 / 00 19 00 / 0 25 0 / 0 25 0"},
                      TextCase{"txtHGreen", "0a", "0 10 0 / 00 0A 00 / 0 10 0 / 0 10 0"},
                      TextCase{"txtHGreen", "a", "0 40 0 / 00 28 00 / 0 40 0 / 0 40 0"},
                      TextCase{"txtHGreen", "g1z0", "0 16 0 / 00 10 00 / 0 16 0 / 0 16 0"}));

TEST_F(ColorPickerTest, OkGivesTheSampleColour) {
    WritePalette("Web Palette.pal", 0, 200);
    Create(Rgb(255, 0, 0));
    QTimer::singleShot(0, picker.get(), [this] {
        Click({50, 35});
        Child<QPushButton>("bntOK")->click();
    });
    EXPECT_EQ(picker->exec(), QDialog::Accepted);
    EXPECT_EQ(picker->PickedColor(), Rgb(35, 0, 0));
}

TEST_F(ColorPickerTest, ReturnInAHexadecimalBoxTakesTheTypedValue) {
    Create(Rgb(0, 0, 0));
    QTimer::singleShot(0, picker.get(), [this] {
        auto* box = Child<QLineEdit>("txtHRed");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, "80");
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(picker->exec(), QDialog::Accepted);
    EXPECT_EQ(picker->PickedColor(), Rgb(128, 0, 0));
}

// The font dialog: Color opens the picker on the sample's colour; OK there
// gives the sample the picked colour, Cancel keeps it.
TEST_F(ColorPickerTest, FontDialogColorButton) {
    WritePalette("Web Palette.pal", 0, 10);
    SharedOpenDialog openDialog{dialogs};
    TfrmMisc dialog{openDialog};
    dialog.SetProgramFolder(folder.path() + "/");
    dialog.SetDialogMode(dmFont);
    dialog.SetSample(QFont("No Such Font Family", 13), QColor(10, 20, 30));
    ASSERT_TRUE(dialog.FormShow());
    for (const char* button : {"btnCancel", "bntOK"}) {
        TColor started = 0;
        QTimer::singleShot(0, &dialog, [&started, button] {
            auto* picker = qobject_cast<TfrmColor*>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            started = picker->PickedColor();
            picker->findChild<QLineEdit*>("txtBlue")->setText("200");
            picker->findChild<QPushButton*>(button)->click();
        });
        dialog.findChild<QPushButton*>("btnColor")->click();
        EXPECT_EQ(started, Rgb(10, 20, 30));
    }
    EXPECT_EQ(dialog.SampleColor(), QColor(10, 20, 200));
}

} // namespace
} // namespace tarvin
