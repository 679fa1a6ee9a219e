// What the main window does at start-up and when it closes with the settings,
// the theme store and the help, and the Open command through
// the template gallery.

#include "EditorFixture.h"

#include "assistants/TfrmTemplates.h"
#include "document/DocumentFile.h"
#include "editor/startup/HelpWindow.h"
#include "platform/ListBoxHrz.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>

#include <functional>

namespace tarvin::testing {
namespace {

using Kind = ScriptedDialogs::Kind;

class StartupWiringTest : public EditorTest {
protected:
    // Runs step on the gallery once it is shown; galleryShown tells whether it was.
    void OnGallery(std::function<void(TfrmTemplates&)> step)
    {
        QTimer::singleShot(0, window.get(), [this, step] {
            if (auto* gallery = qobject_cast<TfrmTemplates*>(QApplication::activeModalWidget())) {
                galleryShown = true;
                step(*gallery);
            }
        });
    }
    static void ChooseEntry(TfrmTemplates& gallery, const QString& caption)
    {
        auto* list = gallery.findChild<QListWidget*>("lstTemplates");
        const QList<QListWidgetItem*> found = list->findItems(caption, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        list->setCurrentItem(found.front());
        gallery.findChild<QPushButton*>("btnOK")->click();
    }
    static void Cancel(TfrmTemplates& gallery) { gallery.findChild<QPushButton*>("btnCancel")->click(); }

    void WriteDocumentTitled(const QString& relative, const std::string& title)
    {
        auto& details = window->Document().Page().Items(0).PagePropertiesBlock();
        const std::string kept = details.PageTitle;
        details.PageTitle = title;
        ASSERT_TRUE(WriteDocument(PathOf(relative).toStdString(), window->Document()).Ok());
        details.PageTitle = kept;
    }
    std::string LoadedTitle() { return window->Document().Page().Items(0).PagePropertiesBlock().PageTitle; }

    void MakeModified()
    {
        SelectRow(1);
        ASSERT_TRUE(window->Modified());
    }
    int PaneWidth() const { return window->Splitter->sizes().value(0); }

    bool galleryShown = false;
};

TEST_F(StartupWiringTest, PlacementSurvivesACloseAndTheNextStart)
{
    // First start: no settings yet.
    EXPECT_TRUE(window->isMaximized());

    window->showNormal();
    window->resize(900, 590);
    QCoreApplication::processEvents();  // the splitter takes its new width
    window->Splitter->setSizes({300, 380});
    ASSERT_EQ(PaneWidth(), 300);
    const QSize size = window->size();
    ASSERT_TRUE(window->close());
    StartWindow();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->size(), size);
    EXPECT_EQ(PaneWidth(), 300);

    window->showMaximized();
    ASSERT_TRUE(window->close());
    StartWindow();
    EXPECT_TRUE(window->isMaximized());
}

TEST_F(StartupWiringTest, ClosingClosesTheHelp)
{
    window->btnHelp->click();
    HelpWindow* shown = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(top); help && help->isVisible())
            shown = help;
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(window->close());
    EXPECT_FALSE(shown->isVisible());
}

TEST_F(StartupWiringTest, ACancelledSaveQuestionStopsOpen)
{
    MakeModified();
    const QString caption = window->windowTitle();
    OnGallery(Cancel);
    dialogs.Answering(Answer::Cancel);
    window->btnChooseTemplateClick();
    // A cancelled save dialog leaves the document modified too.
    dialogs.Answering(Answer::Yes).CancellingFile();
    window->mnuOpen->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(galleryShown);
    EXPECT_TRUE(window->Modified());
    EXPECT_EQ(window->windowTitle(), caption);
}

TEST_F(StartupWiringTest, OpenStartsANewPageBeforeTheGallery)
{
    DropFromPalette(TBlockType::btHR, BelowLastRow());
    dialogs.Answering(Answer::No);
    OnGallery(Cancel);
    window->btnChooseTemplate->click();
    EXPECT_TRUE(galleryShown);
    EXPECT_EQ(dialogs.Texts(), QStringList({"Would you like to save changes to Untitled?"}));
    EXPECT_EQ(RowCaptions(), QStringList({"Page Details", "Image", "Link", "Paragraph"}));
    EXPECT_FALSE(window->Modified());
}

TEST_F(StartupWiringTest, TheGalleryOpensTemplatesUntitledAndDocumentsByName)
{
    WriteDocumentTitled("Templates/Plan.tvt", "From the template");
    WriteDocumentTitled("TarvinFiles/Mine.tvd", "From the document");

    OnGallery([](TfrmTemplates& gallery) { ChooseEntry(gallery, "Plan"); });
    window->btnChooseTemplateClick();
    EXPECT_EQ(LoadedTitle(), "From the template");
    EXPECT_EQ(window->windowTitle(), "Ostrel Tarvin 6.1 - Untitled");
    EXPECT_EQ(window->DocumentName(), "Untitled");

    OnGallery([](TfrmTemplates& gallery) { ChooseEntry(gallery, "Mine"); });
    window->btnChooseTemplateClick();
    EXPECT_EQ(LoadedTitle(), "From the document");
    EXPECT_EQ(window->windowTitle(), "Ostrel Tarvin 6.1 - Mine.tvd");
    EXPECT_EQ(window->DocumentName(), PathOf("TarvinFiles/Mine.tvd"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(StartupWiringTest, TheThemeListHoldsTheShippedThemes)
{
    QFile source(TARVIN_SOURCE_DIR "/data/Themes.json");
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QStringList shipped;
    for (const QJsonValue theme : QJsonDocument::fromJson(source.readAll())["properties"]["Items"].toArray())
        shipped << theme["ThemeName"].toString();
    ASSERT_FALSE(shipped.isEmpty());

    ASSERT_TRUE(QFile::remove(PathOf("Themes.dat")));
    ASSERT_TRUE(QFile::copy(TARVIN_PROGRAM_FOLDER "Themes.dat", PathOf("Themes.dat")));
    StartWindow();
    QStringList listed;
    for (int row = 0; row < window->lstThemes->count(); ++row)
        listed << window->lstThemes->item(row)->text();
    EXPECT_EQ(listed, shipped);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(StartupWiringTest, AMissingThemeStoreIsReportedAndStartUpGoesOn)
{
    ASSERT_TRUE(QFile::remove(PathOf("Themes.dat")));
    StartWindow();
    ASSERT_EQ(dialogs.CallsOf(Kind::Error).size(), 1u);
    EXPECT_TRUE(dialogs.calls[0].text.contains("Themes.dat"));
    EXPECT_EQ(window->lstThemes->count(), 0);
    EXPECT_EQ(window->lstPalette->count(), 7);
    EXPECT_EQ(window->PendingBlockType(), TBlockType::btHeading);
    EXPECT_EQ(window->windowTitle(), "Ostrel Tarvin 6.1 - Untitled");
}

} // namespace
} // namespace tarvin::testing
