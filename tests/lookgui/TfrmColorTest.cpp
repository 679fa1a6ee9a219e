// The colour picker: palettes, picking swatches, the component boxes and the
// colour it gives back.

#include "look/TfrmColor.h"

#include "PickerFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <memory>

namespace tarvin {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}

class TfrmColorTest : public testing::PickerFixture {
protected:
    // The picker as the caller makes it: created and given a colour.
    void Create(TColor color) {
        picker = std::make_unique<TfrmColor>(dialogs, ProgramFolder());
        picker->SetPickedColor(color);
    }
    // ... and shown.
    void Open(TColor color = Rgb(255, 255, 255)) {
        Create(color);
        picker->show();
    }

    template <typename T>
    T* Child(const char* name) {
        T* child = picker->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    QStringList Texts(const char* prefix) {
        QStringList texts;
        for (const char* name : {"Red", "Green", "Blue"})
            texts << Child<QLineEdit>((prefix + std::string(name)).c_str())->text();
        return texts;
    }

    QList<int> Bars() {
        return {Child<QScrollBar>("hsbRed")->value(), Child<QScrollBar>("hsbGreen")->value(),
                Child<QScrollBar>("hsbBlue")->value()};
    }

    QColor Sample() { return Child<QFrame>("shpPreview")->palette().color(QPalette::Window); }

    QWidget* Area() { return Child<QWidget>("pbPalette"); }
    QFrame* Frame() { return Child<QFrame>("shpPicker"); }
    void Click(QPoint at) { QTest::mouseClick(Area(), Qt::LeftButton, {}, at); }
    QColor PixelAt(QPoint at) { return Area()->grab().toImage().pixelColor(at); }

    std::unique_ptr<TfrmColor> picker;
};

// Palettes.

TEST_F(TfrmColorTest, ListsThePalettesAndReadsTheWebPalette) {
    WritePalette("Web Palette.pal", 0, 200);
    WritePalette("Autumn.pal", 100, 5);
    WritePalette("notes.txt", 0, 5);
    Open();
    auto* box = Child<QComboBox>("cbPalette");
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(0), "Autumn");
    EXPECT_EQ(box->currentText(), "Web Palette");
    EXPECT_TRUE(SharedPalette().loaded);
    EXPECT_EQ(SharedPalette().colors[199], Rgb(199, 0, 0));
    EXPECT_FALSE(Frame()->isVisible());
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(picker->windowTitle(), "Color Picker");
}

TEST_F(TfrmColorTest, ChoosingAPaletteReadsItAndHidesTheFrame) {
    WritePalette("Web Palette.pal", 0, 200);
    WritePalette("Autumn.pal", 100, 5);
    Open();
    Click({50, 35});
    ASSERT_TRUE(Frame()->isVisible());
    auto* box = Child<QComboBox>("cbPalette");
    box->setCurrentIndex(0);
    emit box->activated(0);
    EXPECT_EQ(SharedPalette().colors[0], Rgb(100, 0, 0));
    EXPECT_EQ(SharedPalette().colors[5], Rgb(255, 255, 255));
    EXPECT_FALSE(Frame()->isVisible());
}

TEST_F(TfrmColorTest, AMissingWebPaletteIsReportedAndKeepsThePaletteReadBefore) {
    WritePalette("Autumn.pal", 100, 5);
    SharedPalette() = {ParsePalette("1 2 3\r\n"), true};
    Open();
    ASSERT_EQ(dialogs.CallsOf(testing::ScriptedDialogs::Kind::Error).size(), 1u);
    EXPECT_TRUE(dialogs.calls[0].text.contains("Web Palette.pal")) << dialogs.calls[0].text.toStdString();
    EXPECT_EQ(Child<QComboBox>("cbPalette")->currentIndex(), -1);
    EXPECT_EQ(SharedPalette().colors[0], Rgb(1, 2, 3));
    Click({5, 5});
    EXPECT_EQ(Sample(), QColor(1, 2, 3));
}

TEST_F(TfrmColorTest, WithNoPaletteEverReadNothingIsPaintedOrPicked) {
    Open();
    EXPECT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(PixelAt({20, 20}), QColor(Qt::white));
    Click({20, 20});
    EXPECT_FALSE(Frame()->isVisible());
    EXPECT_EQ(Texts("txt"), QStringList({"255", "255", "255"}));
}

TEST_F(TfrmColorTest, SwatchesArePaintedOnTheGridWithGaps) {
    WritePalette("Web Palette.pal", 0, 200);
    Open();
    EXPECT_EQ(PixelAt({3 * 15 + 2, 2 * 15 + 2}), QColor(35, 0, 0));   // cell's first pixel
    EXPECT_EQ(PixelAt({3 * 15 + 14, 2 * 15 + 14}), QColor(35, 0, 0)); // and its last
    EXPECT_EQ(PixelAt({3 * 15 + 15, 2 * 15 + 8}), QColor(Qt::white)); // the gap after it
    EXPECT_EQ(PixelAt({120, 232}), QColor(Qt::white));                // an unfilled slot
}

// Picking.

struct PickCase {
    QPoint at;
    int column;
    int row;
};

class PickingSwatches : public TfrmColorTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(PickingSwatches, PicksTheCellUnderThePointer) {
    WritePalette("Web Palette.pal", 0, 256);
    Open();
    const PickCase& pick = GetParam();
    Click(pick.at);
    const int slot = pick.row * 16 + pick.column;
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(Frame()->geometry(), QRect(pick.column * 15, pick.row * 15, 17, 17));
    EXPECT_EQ(Sample(), QColor(slot, 0, 0));
    EXPECT_EQ(Texts("txt"), QStringList({QString::number(slot), "0", "0"}));
    EXPECT_EQ(Texts("txtH"), QStringList({QString::number(slot, 16).toUpper().rightJustified(2, '0'), "00", "00"}));
    EXPECT_EQ(Bars(), QList<int>({slot, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(TfrmColor, PickingSwatches,
                         ::testing::Values(PickCase{{3 * 15 + 8, 2 * 15 + 8}, 3, 2},  // slot 35
                                           PickCase{{1, 2}, 0, 0},                     // the edge counts as cell 0
                                           PickCase{{17, 17}, 0, 0},
                                           PickCase{{18, 18}, 1, 1},
                                           PickCase{{241, 241}, 15, 15}));

TEST_F(TfrmColorTest, OnlyTheLeftButtonPicks) {
    WritePalette("Web Palette.pal", 0, 200);
    Open();
    QTest::mouseClick(Area(), Qt::RightButton, {}, {50, 35});
    EXPECT_FALSE(Frame()->isVisible());
    EXPECT_EQ(Sample(), QColor(Qt::white));
}

// The component boxes.

TEST_F(TfrmColorTest, ShowingSetsTheBoxesAndSampleToThePickedColour) {
    Open(Rgb(255, 0, 0));
    EXPECT_EQ(Texts("txt"), QStringList({"255", "0", "0"}));
    EXPECT_EQ(Texts("txtH"), QStringList({"FF", "00", "00"}));
    EXPECT_EQ(Sample(), QColor(255, 0, 0));
}

TEST_F(TfrmColorTest, ScrollBarsFillBothBoxes) {
    Open(Rgb(0, 0, 0));
    Child<QScrollBar>("hsbBlue")->setValue(171);
    EXPECT_EQ(Texts("txt"), QStringList({"0", "0", "171"}));
    EXPECT_EQ(Texts("txtH"), QStringList({"00", "00", "AB"}));
    EXPECT_EQ(Sample(), QColor(0, 0, 171));
}

struct TextCase {
    const char* typed;
    const char* shown;
    int bar;
};

class DecimalText : public TfrmColorTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(DecimalText, MovesTheBarOrPutsTheValueBack) {
    Open(Rgb(0, 40, 0));
    auto* box = Child<QLineEdit>("txtGreen");
    box->selectAll();
    if (*GetParam().typed)
        QTest::keyClicks(box, GetParam().typed);  // the first key replaces the selection
    else
        QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), GetParam().shown);
    EXPECT_EQ(Bars(), QList<int>({0, GetParam().bar, 0}));
    EXPECT_EQ(Sample(), QColor(0, GetParam().bar, 0));
}

INSTANTIATE_TEST_SUITE_P(TfrmColor, DecimalText,
                         ::testing::Values(TextCase{"", "40", 40},        // emptied: the value comes back
                                           TextCase{"200", "200", 200},
                                           TextCase{"007", "7", 7},
                                           TextCase{"2a5x", "25", 25},    // only digits get in
                                           TextCase{"256", "25", 25},     // too big: back to the value
                                           TextCase{"2551", "255", 255})); // at most 3 characters

class HexText : public TfrmColorTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(HexText, CountsWhenTheBoxIsLeft) {
    Open(Rgb(0, 40, 0));
    QApplication::setActiveWindow(picker.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(picker.get()));
    auto* box = Child<QLineEdit>("txtHGreen");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, GetParam().typed);
    EXPECT_EQ(Bars(), QList<int>({0, 40, 0}));  // not before leaving
    Child<QLineEdit>("txtBlue")->setFocus();
    EXPECT_EQ(box->text(), GetParam().shown);
    EXPECT_EQ(Bars(), QList<int>({0, GetParam().bar, 0}));
    EXPECT_EQ(Child<QLineEdit>("txtGreen")->text(), QString::number(GetParam().bar));
    EXPECT_EQ(Sample(), QColor(0, GetParam().bar, 0));
}

INSTANTIATE_TEST_SUITE_P(TfrmColor, HexText,
                         ::testing::Values(TextCase{"0a", "0A", 10},
                                           TextCase{"fF", "FF", 255},
                                           TextCase{"a", "28", 40},     // too short: the value comes back
                                           TextCase{"g1z0", "10", 16})); // only hex digits get in

// Closing.

TEST_F(TfrmColorTest, OkGivesTheSampleColour) {
    WritePalette("Web Palette.pal", 0, 200);
    Create(Rgb(255, 0, 0));
    QTimer::singleShot(0, picker.get(), [this] {
        Click({50, 35});
        Child<QPushButton>("bntOK")->click();
    });
    EXPECT_EQ(picker->exec(), QDialog::Accepted);
    EXPECT_EQ(picker->PickedColor(), Rgb(35, 0, 0));
}

TEST_F(TfrmColorTest, ReturnInAHexBoxTakesTheTypedValue) {
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

TEST_F(TfrmColorTest, CancelCloses) {
    Create(Rgb(255, 0, 0));
    QTimer::singleShot(0, picker.get(), [this] { Child<QPushButton>("btnCancel")->click(); });
    EXPECT_EQ(picker->exec(), QDialog::Rejected);
}

} // namespace
} // namespace tarvin
