// The theme editor, driven by mouse and keys: adding, editing, renaming,
// deleting and dragging themes, the name checks, the background picture and
// its copy, the left margin and the colour picker behind the sample labels.

#include "look/TfrmColor.h"
#include "look/TfrmTheme.h"
#include "look/ThemeList.h"
#include "look/ThemeSample.h"
#include "look/ThemeStore.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace tarvin {
namespace {

using testing::ScriptedDialogs;
using Kind = ScriptedDialogs::Kind;

constexpr TColor Rgb(int r, int g, int b)
{
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}

// A program folder with three themes: Default, Ocean (with its picture) and
// Forest (with a 100-pixel margin).
class ThemeEditorTest : public ::testing::Test {
protected:
    ThemeEditorTest()
    {
        QDir root(folder.path());
        root.mkpath("Upload/backgrounds");
        root.mkpath("Palettes");
        QFile palette(root.filePath("Palettes/Web Palette.pal"));
        palette.open(QIODevice::WriteOnly);
        palette.write("0 0 0\r\n");
        SavePicture("Upload/backgrounds/waves.bmp", Qt::blue);
        AddTheme("Default", "", "0", Rgb(255, 255, 255));
        AddTheme("Ocean", "waves.bmp", "20", Rgb(200, 230, 250));
        AddTheme("Forest", "", "100", Rgb(230, 240, 225));
    }

    void SavePicture(const QString& relative, QColor colour)
    {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(Path(relative)));
    }

    void AddTheme(const char* name, const char* picture, const char* margin, TColor background)
    {
        TThemeItem& theme = store.Items().Add();
        theme.ThemeName = name;
        theme.BGImage = picture;
        theme.LeftMargin = margin;
        theme.BGColor = background;
        theme.TextColor = Rgb(10, 20, 30);
    }

    QString Path(const QString& relative) const { return folder.path() + "/" + relative; }

    void Open()
    {
        editor = std::make_unique<TfrmTheme>(store, dialogs, folder.path() + "/", QCursor(Qt::ArrowCursor));
        editor->show();
    }

    QPoint RowPoint(int row) const
    {
        ThemeList* list = editor->lstEditThemes;
        return list->visualItemRect(list->item(row)).center();
    }
    void ClickRow(int row) { QTest::mouseClick(editor->lstEditThemes->viewport(), Qt::LeftButton, {}, RowPoint(row)); }
    void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    // Replaces the text of a box as a user does: select all, then type.
    static void Type(QLineEdit* box, const QString& text)
    {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    }

    QStringList StoreNames() const
    {
        QStringList names;
        for (const auto& theme : store.Items())
            names << QString::fromStdString(theme->ThemeName);
        return names;
    }

    bool Editing() const { return editor->pnlEdit->isVisible(); }
    bool ShowsNoImage() const { return editor->sample->lblNoImage->isVisible(); }

    QTemporaryDir folder;
    TWebTheme store;
    ScriptedDialogs dialogs;
    std::unique_ptr<TfrmTheme> editor;
};

TEST_F(ThemeEditorTest, ShowsTheSelectedTheme)
{
    Open();
    EXPECT_EQ(editor->windowTitle(), "Page Themes");
    EXPECT_EQ(editor->Names(), QStringList({"Default", "Ocean", "Forest"}));
    EXPECT_FALSE(editor->btnRemove->isEnabled());
    EXPECT_FALSE(Editing());
    EXPECT_TRUE(editor->lblWelcome->isVisible());

    ClickRow(1);
    EXPECT_EQ(editor->txtDescription->text(), "Ocean");
    EXPECT_EQ(editor->txtBackground->text(), "waves.bmp");
    EXPECT_EQ(editor->txtLeftMargin->text(), "20");
    EXPECT_EQ(editor->sample->ColorOf(editor->sample->lblBGColor), Rgb(200, 230, 250));
    EXPECT_EQ(editor->sample->ColorOf(editor->sample->lblTextColor), Rgb(10, 20, 30));
    EXPECT_FALSE(ShowsNoImage());
    EXPECT_EQ(editor->sample->imgBG->pixmap().toImage().pixelColor(2, 2), QColor(Qt::blue));
    EXPECT_TRUE(editor->btnRemove->isEnabled());
    EXPECT_TRUE(editor->btnEdit->isEnabled());

    ClickRow(2);
    EXPECT_TRUE(ShowsNoImage());
    EXPECT_EQ(editor->txtLeftMargin->text(), "100");
}

class AddingATheme : public ThemeEditorTest, public ::testing::WithParamInterface<int> {};

// With or without a selection, the new theme goes to the end with the looks
// of a new theme.
TEST_P(AddingATheme, AppendsItWithTheNewThemeLooks)
{
    Open();
    if (GetParam() >= 0)
        ClickRow(GetParam());
    Click(editor->btnAdd);
    EXPECT_EQ(editor->windowTitle(), "Page Themes - Add");
    EXPECT_TRUE(Editing());
    for (QWidget* browsing : {static_cast<QWidget*>(editor->lstEditThemes), static_cast<QWidget*>(editor->btnOK),
                              static_cast<QWidget*>(editor->btnCancel), static_cast<QWidget*>(editor->btnAdd)})
        EXPECT_FALSE(browsing->isEnabled());
    EXPECT_FALSE(editor->btnApply->isEnabled());
    EXPECT_TRUE(ShowsNoImage());

    QTest::keyClicks(editor->txtDescription, "Meadow");
    EXPECT_TRUE(editor->btnApply->isEnabled());
    Click(editor->btnApply);

    ASSERT_EQ(StoreNames(), QStringList({"Default", "Ocean", "Forest", "Meadow"}));
    const TThemeItem& added = store.Items().Items(3);
    EXPECT_EQ(added.BGImage, "");
    EXPECT_EQ(added.LeftMargin, "0");
    EXPECT_EQ(added.BGColor, 16777215);
    EXPECT_EQ(added.TextColor, 0);
    EXPECT_EQ(added.LinkColor, 16711680);
    EXPECT_EQ(added.ALinkColor, 255);
    EXPECT_EQ(added.VLinkColor, 8388736);
    EXPECT_EQ(editor->Names().last(), "Meadow");
    EXPECT_EQ(editor->SelectedRow(), 3);
    EXPECT_TRUE(editor->Changed());
    EXPECT_FALSE(Editing());
    EXPECT_EQ(editor->windowTitle(), "Page Themes");
    EXPECT_TRUE(editor->lstEditThemes->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(ThemeEditor, AddingATheme, ::testing::Values(-1, 1));

struct NameCase {
    int edited;  // -1: a new theme
    const char* typed;
    bool refused;
    const char* names;  // the store's names afterwards
};

class NamingATheme : public ThemeEditorTest, public ::testing::WithParamInterface<NameCase> {};

// Names are unique without regard to letter case; an edit that keeps its
// name exactly is not checked, one that only changes its letter case is refused.
TEST_P(NamingATheme, RefusesNamesAlreadyTaken)
{
    const NameCase& c = GetParam();
    Open();
    if (c.edited >= 0) {
        ClickRow(c.edited);
        Click(editor->btnEdit);
        EXPECT_EQ(editor->windowTitle(), "Page Themes - Edit");
    } else {
        Click(editor->btnAdd);
    }
    Type(editor->txtDescription, c.typed);
    Click(editor->btnApply);

    EXPECT_EQ(StoreNames().join(','), c.names);
    EXPECT_EQ(editor->Names().join(','), c.names);
    EXPECT_EQ(Editing(), c.refused);
    EXPECT_EQ(editor->Changed(), !c.refused);
    if (c.refused) {
        ASSERT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(dialogs.calls[0].kind, Kind::Information);
        EXPECT_EQ(dialogs.calls[0].text, "There is already a Theme with this name.");
        EXPECT_EQ(editor->focusWidget(), editor->txtDescription);
    } else {
        EXPECT_TRUE(dialogs.calls.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    ThemeEditor, NamingATheme,
    ::testing::Values(NameCase{-1, "ocean", true, "Default,Ocean,Forest"},
                      NameCase{-1, "FOREST", true, "Default,Ocean,Forest"},
                      NameCase{2, "Ocean", true, "Default,Ocean,Forest"},
                      NameCase{1, "OCEAN", true, "Default,Ocean,Forest"},
                      NameCase{1, "Ocean", false, "Default,Ocean,Forest"},
                      NameCase{1, "Sea", false, "Default,Sea,Forest"}));

TEST_F(ThemeEditorTest, DoubleClickEditsAndCancelLeavesTheThemeAsItWas)
{
    Open();
    QTest::mouseClick(editor->lstEditThemes->viewport(), Qt::LeftButton, {}, RowPoint(2));
    QTest::mouseDClick(editor->lstEditThemes->viewport(), Qt::LeftButton, {}, RowPoint(2));
    ASSERT_TRUE(Editing());
    EXPECT_EQ(editor->txtDescription->text(), "Forest");
    Type(editor->txtDescription, "Woods");
    Click(editor->btnBack);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(editor->windowTitle(), "Page Themes");
    EXPECT_EQ(editor->txtDescription->text(), "Forest");
    EXPECT_EQ(StoreNames().join(','), "Default,Ocean,Forest");
    EXPECT_FALSE(editor->Changed());
}

class DeletingATheme : public ThemeEditorTest, public ::testing::WithParamInterface<Answer> {};

// Delete asks first; either answer counts as a change.
TEST_P(DeletingATheme, AsksFirst)
{
    Open();
    ClickRow(1);
    dialogs.Answering(GetParam());
    Click(editor->btnRemove);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text, "Do you want to delete the selected Theme?");
    EXPECT_FALSE(dialogs.calls[0].withCancel);
    const QString left = GetParam() == Answer::Yes ? "Default,Forest" : "Default,Ocean,Forest";
    EXPECT_EQ(StoreNames().join(','), left);
    EXPECT_EQ(editor->Names().join(','), left);
    EXPECT_TRUE(editor->Changed());
    EXPECT_EQ(editor->focusWidget(), editor->lstEditThemes);
}

INSTANTIATE_TEST_SUITE_P(ThemeEditor, DeletingATheme, ::testing::Values(Answer::Yes, Answer::No));

struct DragCase {
    int from;
    int onto;  // -1: the empty space below the last entry
    const char* names;
    bool selectedBefore = false;  // the dragged entry was selected before the press
};

class DraggingATheme : public ThemeEditorTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DraggingATheme, MovesItOntoTheEntryUnderTheDrop)
{
    const DragCase& c = GetParam();
    Open();
    QWidget* viewport = editor->lstEditThemes->viewport();
    const QPoint target = c.onto >= 0 ? RowPoint(c.onto) : QPoint(10, viewport->height() - 4);
    if (c.selectedBefore)
        ClickRow(c.from);
    QTest::mousePress(viewport, Qt::LeftButton, {}, RowPoint(c.from));
    QTest::mouseMove(viewport, RowPoint(c.from) + QPoint(0, 3));
    QTest::mouseMove(viewport, target);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, target);

    EXPECT_EQ(StoreNames().join(','), c.names);
    EXPECT_EQ(editor->Names().join(','), c.names);
    const bool moved = c.onto >= 0;
    EXPECT_EQ(editor->Changed(), moved);
    EXPECT_EQ(editor->SelectedRow(), moved ? c.onto : c.from);
}

INSTANTIATE_TEST_SUITE_P(ThemeEditor, DraggingATheme,
                         ::testing::Values(DragCase{0, 2, "Ocean,Forest,Default"},
                                           DragCase{2, 0, "Forest,Default,Ocean"},
                                           DragCase{0, 2, "Ocean,Forest,Default", true},
                                           DragCase{1, -1, "Default,Ocean,Forest"}));

TEST_F(ThemeEditorTest, APressWithoutADragOnlySelects)
{
    Open();
    QWidget* viewport = editor->lstEditThemes->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, RowPoint(0));
    QTest::mouseMove(viewport, RowPoint(0) + QPoint(2, 1));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, RowPoint(0) + QPoint(2, 1));
    EXPECT_EQ(editor->SelectedRow(), 0);
    EXPECT_FALSE(editor->Changed());
}

// A press on the empty space below the entries drags nothing; the list
// selects the entry the button is let go on, and the editor shows it.
TEST_F(ThemeEditorTest, APressBelowTheEntriesSelectsWhereTheButtonIsLetGo)
{
    Open();
    ClickRow(2);
    QWidget* viewport = editor->lstEditThemes->viewport();
    const QPoint below(10, viewport->height() - 4);
    QTest::mousePress(viewport, Qt::LeftButton, {}, below);
    QTest::mouseMove(viewport, RowPoint(1));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, RowPoint(1));
    EXPECT_EQ(StoreNames().join(','), "Default,Ocean,Forest");
    EXPECT_FALSE(editor->Changed());
    EXPECT_EQ(editor->SelectedRow(), 1);
    EXPECT_EQ(editor->txtDescription->text(), "Ocean");
    EXPECT_TRUE(editor->btnEdit->isEnabled());
}

struct PictureCase {
    const char* stored;     // the theme's BGImage
    const char* placed;     // where a picture of that name lies, "" for nowhere
    bool shown;
};

class AStoredPicture : public ThemeEditorTest, public ::testing::WithParamInterface<PictureCase> {};

// Only a file in the backgrounds folder is shown; applying an edit of a theme
// whose picture is not shown stores no picture.
TEST_P(AStoredPicture, IsShownOnlyFromTheBackgroundsFolder)
{
    const PictureCase& c = GetParam();
    if (*c.placed)
        SavePicture(c.placed, Qt::red);
    store.Items().Items(2).BGImage = c.stored;
    Open();
    ClickRow(2);
    EXPECT_EQ(editor->txtBackground->text(), c.stored);
    EXPECT_EQ(ShowsNoImage(), !c.shown);
    Click(editor->btnEdit);
    Click(editor->btnApply);
    EXPECT_EQ(store.Items().Items(2).BGImage, c.shown ? c.stored : "");
}

INSTANTIATE_TEST_SUITE_P(ThemeEditor, AStoredPicture,
                         ::testing::Values(PictureCase{"waves.bmp", "", true},
                                           PictureCase{"gone.bmp", "", false},
                                           PictureCase{"../outside.bmp", "Upload/outside.bmp", false},
                                           PictureCase{"..", "", false}));

struct BrowseCase {
    const char* chosen;       // relative to the program folder
    const char* alreadyThere; // a different picture of the same name in the backgrounds folder, or ""
    bool foldersBroken;       // the backgrounds folder is a file: the copy fails
    QColor inFolder;          // the picture the backgrounds folder holds afterwards
};

class ChoosingAPicture : public ThemeEditorTest, public ::testing::WithParamInterface<BrowseCase> {};

// The chosen picture is copied into the backgrounds folder unless a file of
// that name is there; the theme takes the name in every case.
TEST_P(ChoosingAPicture, CopiesItWithoutReplacingAndKeepsTheName)
{
    const BrowseCase& c = GetParam();
    QDir(folder.path()).mkpath("Pictures");
    SavePicture("Pictures/sky.bmp", Qt::green);
    if (*c.alreadyThere)
        SavePicture(c.alreadyThere, Qt::red);
    if (c.foldersBroken) {
        QDir(Path("Upload/backgrounds")).removeRecursively();
        QFile file(Path("Upload/backgrounds"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    Open();
    ClickRow(2);
    Click(editor->btnEdit);
    dialogs.ChoosingFile(Path(c.chosen));
    Click(editor->btnBackground);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, Kind::OpenPicture);
    EXPECT_EQ(dialogs.calls[0].request.initialFolder, Path("Upload/backgrounds/"));
    EXPECT_EQ(dialogs.calls[0].request.filter, "Images Files|*.gif;*.jpg;*.jpeg;*.bmp");
    EXPECT_EQ(editor->txtBackground->text(), "sky.bmp");
    EXPECT_FALSE(ShowsNoImage());
    Click(editor->btnApply);

    EXPECT_EQ(store.Items().Items(2).BGImage, "sky.bmp");
    if (c.foldersBroken) {
        ASSERT_EQ(dialogs.CallsOf(Kind::Error).size(), 1u);
        EXPECT_TRUE(dialogs.CallsOf(Kind::Error)[0].text.contains("sky.bmp"));
    } else {
        EXPECT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(QImage(Path("Upload/backgrounds/sky.bmp")).pixelColor(0, 0), c.inFolder);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ThemeEditor, ChoosingAPicture,
    ::testing::Values(BrowseCase{"Pictures/sky.bmp", "", false, Qt::green},
                      BrowseCase{"Pictures/sky.bmp", "Upload/backgrounds/sky.bmp", false, Qt::red},
                      BrowseCase{"Upload/backgrounds/sky.bmp", "Upload/backgrounds/sky.bmp", false, Qt::red},
                      BrowseCase{"Pictures/sky.bmp", "", true, QColor()}));

TEST_F(ThemeEditorTest, TheMarginTakesDigitsAndStepsByTen)
{
    store.Items().Items(0).LeftMargin = "wide";
    Open();
    ClickRow(2);
    ClickRow(0);
    EXPECT_EQ(editor->txtLeftMargin->text(), "100");  // not a number: left where it was
    Click(editor->btnEdit);
    editor->txtLeftMargin->setFocus();
    Type(editor->txtLeftMargin, "a2-x5 0");
    EXPECT_EQ(editor->txtLeftMargin->text(), "250");
    QTest::keyClick(editor->txtLeftMargin, Qt::Key_Up);
    EXPECT_EQ(editor->txtLeftMargin->text(), "260");
    Click(editor->btnApply);
    EXPECT_EQ(store.Items().Items(0).LeftMargin, "260");
    EXPECT_EQ(editor->updnLeftMargin->maximum(), 500);
}

struct ColourCase {
    const char* label;
    const char* title;
    TColor TThemeItem::*field;
};

class PickingAColour : public ThemeEditorTest, public ::testing::WithParamInterface<ColourCase> {};

// A double-click on a sample label opens the colour picker on its colour,
// named after the label; OK there gives the label the picked colour.
TEST_P(PickingAColour, TakesThePickedColourIntoTheTheme)
{
    const ColourCase& c = GetParam();
    Open();
    ClickRow(1);
    Click(editor->btnEdit);
    auto* label = editor->findChild<QLabel*>(c.label);
    ASSERT_NE(label, nullptr);
    const TColor before = editor->sample->ColorOf(label);
    QString title;
    TColor started = 0;
    QTimer::singleShot(0, [&] {
        auto* picker = qobject_cast<TfrmColor*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        title = picker->windowTitle();
        started = picker->PickedColor();
        picker->findChild<QLineEdit*>("txtGreen")->setText("77");
        picker->findChild<QPushButton*>("bntOK")->click();
    });
    QTest::mouseDClick(label, Qt::LeftButton);
    EXPECT_EQ(title, c.title);
    EXPECT_EQ(started, before);
    Click(editor->btnApply);
    EXPECT_EQ(store.Items().Items(1).*c.field, (before & 0xFF00FF) | (77 << 8));
}

INSTANTIATE_TEST_SUITE_P(
    ThemeEditor, PickingAColour,
    ::testing::Values(
        ColourCase{"lblBGColor", "Color Picker - Double-Click on the Background Color to change", &TThemeItem::BGColor},
        ColourCase{"lblTextColor", "Color Picker - Text Color", &TThemeItem::TextColor},
        ColourCase{"lblLinkColor", "Color Picker - Link Color", &TThemeItem::LinkColor},
        ColourCase{"lblALinkColor", "Color Picker - Active Link Color", &TThemeItem::ALinkColor},
        ColourCase{"lblVLinkColor", "Color Picker - Visited Link Color", &TThemeItem::VLinkColor}));

// Outside the edit panel the sample only shows: no picker, no picture dialog.
TEST_F(ThemeEditorTest, TheSampleTakesNoClicksWhileBrowsing)
{
    Open();
    ClickRow(2);
    bool pickerOpened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            pickerOpened = true;
            modal->close();
        }
    });
    QTest::mouseDClick(editor->sample->lblTextColor, Qt::LeftButton);
    QTest::mouseClick(editor->sample->lblNoImage, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(pickerOpened);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(ThemeEditorTest, ClickingNoBackgroundImageBrowsesWhileEditing)
{
    Open();
    ClickRow(2);
    Click(editor->btnEdit);
    dialogs.CancellingFile();
    QTest::mouseClick(editor->sample->lblNoImage, Qt::LeftButton);
    EXPECT_EQ(dialogs.CallsOf(Kind::OpenPicture).size(), 1u);
}

} // namespace
} // namespace tarvin
