// Page themes in the main window: the theme list beside the preview, the
// theme editor from "Edit Themes" and "Choose Page Theme", and the store the
// editor leaves in Themes.dat.

#include "EditorFixture.h"

#include "look/TfrmTheme.h"
#include "look/ThemeList.h"
#include "platform/HtmlViewer.h"
#include "platform/ListBoxHrz.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tarvin::testing {
namespace {

using Kind = ScriptedDialogs::Kind;

class ThemeCommandsTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        TWebTheme store;
        for (const auto& [name, background] : {std::pair{"Default", 0xFFFFFFu}, std::pair{"Ocean", 0xFAF1E3u},
                                               std::pair{"Forest", 0xE4F3EAu}}) {
            TThemeItem& theme = store.Items().Add();
            theme.ThemeName = name;
            theme.LeftMargin = "0";
            theme.BGColor = background;
            theme.TextColor = 0x202020;
        }
        store.Items().Items(2).LeftMargin = "100";
        store.Items().Items(2).BGImage = "leaves.jpg";
        ASSERT_TRUE(SaveThemeStore(PathOf("Themes.dat").toStdString(), store));
        StartWindow();
    }

    TPagePropertiesBlock& Details() { return window->Document().Page().Items(0).PagePropertiesBlock(); }

    QStringList Listed() const
    {
        QStringList names;
        for (int row = 0; row < window->lstThemes->count(); ++row)
            names << window->lstThemes->item(row)->text();
        return names;
    }

    QStringList Saved() const
    {
        ThemeStoreReadResult read = LoadThemeStore(PathOf("Themes.dat").toStdString());
        EXPECT_TRUE(read.Ok()) << read.error;
        QStringList names;
        for (const auto& theme : read.store->Items())
            names << QString::fromStdString(theme->ThemeName);
        return names;
    }

    static QPoint RowPoint(QListWidget& list, int row) { return list.visualItemRect(list.item(row)).center(); }
    static void ClickRow(QListWidget& list, int row)
    {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, RowPoint(list, row));
    }

    void ShowPreview()
    {
        QTest::mouseClick(window->btnPreview, Qt::LeftButton);
        ASSERT_TRUE(window->lstThemes->isVisible());
    }
    // The preview as it stands, so that a refresh can be told from none.
    void MarkPreview() { window->browser->setPlainText("stale"); }
    bool PreviewRefreshed() const { return window->browser->toPlainText() != "stale"; }

    // Runs the steps in the theme editor once it is up; the steps close it.
    void OnEditor(std::function<void(TfrmTheme&)> steps)
    {
        editorSeen = false;
        QTimer::singleShot(0, window.get(), [this, steps] {
            auto* editor = qobject_cast<TfrmTheme*>(QApplication::activeModalWidget());
            ASSERT_NE(editor, nullptr);
            editorSeen = true;
            steps(*editor);
            if (editor->isVisible())
                editor->reject();
        });
    }

    static void AddTheme(TfrmTheme& editor, const char* name)
    {
        QTest::mouseClick(editor.btnAdd, Qt::LeftButton);
        QTest::keyClicks(editor.txtDescription, name);
        QTest::mouseClick(editor.btnApply, Qt::LeftButton);
    }

    bool editorSeen = false;
};

TEST_F(ThemeCommandsTest, TheListShowsTheStoreAndAClickDressesThePageAtOnce)
{
    EXPECT_EQ(Listed(), QStringList({"Default", "Ocean", "Forest"}));
    ShowPreview();
    MarkPreview();
    ClickRow(*window->lstThemes, 2);
    EXPECT_EQ(Details().ThemeName, "Forest");
    EXPECT_EQ(Details().Background, "leaves.jpg");
    EXPECT_EQ(Details().IndentMargin, "100");
    EXPECT_EQ(Details().BGColor, 0xE4F3EAu);
    EXPECT_EQ(Details().TextColor, 0x202020u);
    EXPECT_TRUE(PreviewRefreshed());
    EXPECT_TRUE(window->Modified());

    // Keys move the selection as the mouse does.
    MarkPreview();
    QTest::keyClick(window->lstThemes, Qt::Key_Up);
    EXPECT_EQ(Details().ThemeName, "Ocean");
    EXPECT_TRUE(PreviewRefreshed());
}

// Viewing the page selects its theme in the list, letter case ignored, and
// no entry when the page's theme is not in the store.
TEST_F(ThemeCommandsTest, ViewingThePageSelectsItsTheme)
{
    Details().ThemeName = "FOREST";
    ShowPreview();
    EXPECT_EQ(window->lstThemes->SelectedRow(), 2);
    EXPECT_EQ(Details().BGColor, 0xFFFFFFu);  // selecting it applied nothing

    QTest::mouseClick(window->btnCreate, Qt::LeftButton);
    Details().ThemeName = "Gone";
    ShowPreview();
    EXPECT_EQ(window->lstThemes->SelectedRow(), -1);
}

struct ButtonCase {
    bool fromEditThemes;  // else "Choose Page Theme" on the page details panel
    bool refreshes;
};

class OpeningTheEditor : public ThemeCommandsTest, public ::testing::WithParamInterface<ButtonCase> {};

// The editor opens on the page's theme, letter case ignored; OK dresses the
// page in the theme chosen there, and only "Edit Themes" refreshes the preview.
TEST_P(OpeningTheEditor, AppliesTheChosenThemeOnOk)
{
    Details().ThemeName = "ocean";
    QWidget* button = window->pnlPageProp->btnTheme;
    if (GetParam().fromEditThemes) {
        ShowPreview();
        button = window->btnThemeEdit;
    }
    MarkPreview();
    int openedOn = -2;
    OnEditor([&](TfrmTheme& editor) {
        openedOn = editor.SelectedRow();
        ClickRow(*editor.lstEditThemes, 2);
        QTest::mouseClick(editor.btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(editorSeen);
    EXPECT_EQ(openedOn, 1);
    EXPECT_EQ(Details().ThemeName, "Forest");
    EXPECT_EQ(Details().IndentMargin, "100");
    EXPECT_EQ(PreviewRefreshed(), GetParam().refreshes);
    EXPECT_TRUE(window->Modified());  // closing now asks whether to save
    EXPECT_EQ(window->lstThemes->SelectedRow(), 2);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(ThemeCommands, OpeningTheEditor,
                         ::testing::Values(ButtonCase{true, true}, ButtonCase{false, false}));

TEST_F(ThemeCommandsTest, OkWithNoThemeSelectedAppliesNothing)
{
    Details().ThemeName = "Gone";
    int openedOn = -2;
    OnEditor([&](TfrmTheme& editor) {
        openedOn = editor.SelectedRow();
        QTest::mouseClick(editor.btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(window->pnlPageProp->btnTheme, Qt::LeftButton);
    EXPECT_EQ(openedOn, -1);
    EXPECT_EQ(Details().ThemeName, "Gone");
    EXPECT_EQ(Details().BGColor, 0xFFFFFFu);
}

// Cancel applies nothing but undoes nothing either: the added theme is saved
// and listed.
TEST_F(ThemeCommandsTest, CancelAfterAddingStillSavesTheStore)
{
    ShowPreview();
    OnEditor([](TfrmTheme& editor) {
        AddTheme(editor, "Mine");
        QTest::mouseClick(editor.btnCancel, Qt::LeftButton);
    });
    QTest::mouseClick(window->btnThemeEdit, Qt::LeftButton);
    ASSERT_TRUE(editorSeen);
    EXPECT_EQ(Saved(), QStringList({"Default", "Ocean", "Forest", "Mine"}));
    EXPECT_EQ(Listed(), Saved());
    EXPECT_EQ(window->lstThemes->SelectedRow(), 3);
    EXPECT_EQ(Details().ThemeName, "Default");
}

TEST_F(ThemeCommandsTest, TheSavedStoreKeepsTheDraggedOrder)
{
    OnEditor([](TfrmTheme& editor) {
        QWidget* viewport = editor.lstEditThemes->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, RowPoint(*editor.lstEditThemes, 0));
        QTest::mouseMove(viewport, RowPoint(*editor.lstEditThemes, 1));
        QTest::mouseMove(viewport, RowPoint(*editor.lstEditThemes, 2));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, RowPoint(*editor.lstEditThemes, 2));
        QTest::mouseClick(editor.btnCancel, Qt::LeftButton);
    });
    QTest::mouseClick(window->pnlPageProp->btnTheme, Qt::LeftButton);
    EXPECT_EQ(Saved(), QStringList({"Ocean", "Forest", "Default"}));
    EXPECT_EQ(Listed(), Saved());
}

TEST_F(ThemeCommandsTest, WithoutAChangeTheStoreIsNotWritten)
{
    ASSERT_TRUE(QFile::remove(PathOf("Themes.dat")));
    OnEditor([](TfrmTheme& editor) { QTest::mouseClick(editor.btnCancel, Qt::LeftButton); });
    QTest::mouseClick(window->pnlPageProp->btnTheme, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(PathOf("Themes.dat")));
    EXPECT_TRUE(dialogs.calls.empty());
}

// With no Themes.dat at start-up the lists are empty; the first theme saved
// in the editor creates the file.
TEST_F(ThemeCommandsTest, AMissingStoreIsCreatedByTheEditor)
{
    ASSERT_TRUE(QFile::remove(PathOf("Themes.dat")));
    StartWindow();
    ASSERT_EQ(dialogs.CallsOf(Kind::Error).size(), 1u);
    EXPECT_TRUE(dialogs.calls[0].text.contains(PathOf("Themes.dat"))) << dialogs.calls[0].text.toStdString();
    EXPECT_EQ(window->lstThemes->count(), 0);
    OnEditor([](TfrmTheme& editor) {
        AddTheme(editor, "First");
        QTest::mouseClick(editor.btnOK, Qt::LeftButton);
    });
    QTest::mouseClick(window->pnlPageProp->btnTheme, Qt::LeftButton);
    EXPECT_EQ(Saved(), QStringList({"First"}));
    EXPECT_EQ(Listed(), Saved());
    EXPECT_EQ(Details().ThemeName, "First");
}

// A store that cannot be written is reported, not passed over.
TEST_F(ThemeCommandsTest, AStoreThatCannotBeSavedIsReported)
{
    ASSERT_TRUE(QFile::remove(PathOf("Themes.dat")));
    ASSERT_TRUE(QDir(folder.path()).mkpath("Themes.dat/in-the-way"));
    OnEditor([](TfrmTheme& editor) {
        AddTheme(editor, "Mine");
        QTest::mouseClick(editor.btnCancel, Qt::LeftButton);
    });
    QTest::mouseClick(window->pnlPageProp->btnTheme, Qt::LeftButton);
    ASSERT_EQ(dialogs.CallsOf(Kind::Error).size(), 1u);
    EXPECT_TRUE(dialogs.CallsOf(Kind::Error)[0].text.contains("Themes.dat"));
    EXPECT_EQ(Listed().last(), "Mine");
}

} // namespace
} // namespace tarvin::testing
