// New, the save question, closing, opening a document and the page commands.

#include "EditorFixture.h"

#include "document/DocumentFile.h"
#include "platform/HtmlViewer.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>

namespace tarvin::testing {
namespace {

using Kind = ScriptedDialogs::Kind;

QString ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class DocumentLifecycleTest : public EditorTest {
protected:
    // Makes a change that New and closing must ask about.
    void EditTitle(const QString& title)
    {
        SelectRow(0);
        window->pnlPageProp->txtPageTitle->setText(title);
        SelectRow(1);
        ASSERT_TRUE(window->Modified());
    }

    bool CloseWindow()
    {
        QCloseEvent event;
        QCoreApplication::sendEvent(window.get(), &event);
        return event.isAccepted();
    }
};

TEST_F(DocumentLifecycleTest, ClosingRightAfterStartAsksNothing)
{
    EXPECT_TRUE(CloseWindow());
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(DocumentLifecycleTest, NewAnsweredCancelKeepsTheDocument)
{
    EditTitle("Mine");
    dialogs.Answering(Answer::Cancel);
    window->mnuNewClick();
    EXPECT_EQ(dialogs.Texts(), QStringList({"Would you like to save changes to Untitled?"}));
    EXPECT_EQ(window->Document().Page().Items(0).PagePropertiesBlock().PageTitle, "Mine");
    EXPECT_TRUE(window->Modified());
}

TEST_F(DocumentLifecycleTest, NewAnsweredNoStartsAFreshPage)
{
    DropFromPalette(TBlockType::btHR, BelowLastRow());
    EditTitle("Mine");
    window->btnPreview->setChecked(true);
    dialogs.Answering(Answer::No);
    window->mnuNewClick();
    EXPECT_EQ(RowCaptions(), QStringList({"Page Details", "Image", "Link", "Paragraph"}));
    EXPECT_EQ(window->Document().Page().Items(0).PagePropertiesBlock().PageTitle, "");
    EXPECT_EQ(window->pnlPageProp->txtPageTitle->text(), "");
    EXPECT_FALSE(window->Modified());
    EXPECT_EQ(window->CurrentIndex(), 0);
    EXPECT_TRUE(window->btnCreate->isChecked());
    EXPECT_EQ(window->windowTitle(), "Ostrel Tarvin 6.1 - Untitled");
}

TEST_F(DocumentLifecycleTest, NewWithACancelledSaveDialogLeavesEverythingAsItWas)
{
    DropFromPalette(TBlockType::btHR, BelowLastRow());
    dialogs.Answering(Answer::Yes).CancellingFile();
    window->mnuNewClick();
    EXPECT_EQ(RowCaptions().size(), 5);
    EXPECT_EQ(window->Document().Page().Count(), 5);
    EXPECT_TRUE(window->Modified());
}

TEST_F(DocumentLifecycleTest, NewAnsweredYesSavesFirst)
{
    EditTitle("Mine");
    dialogs.Answering(Answer::Yes).ChoosingFile(PathOf("Upload/mine.html"));
    window->mnuNewClick();
    EXPECT_TRUE(QFileInfo::exists(PathOf("TarvinFiles/mine.tvd")));
    EXPECT_EQ(window->Document().Page().Items(0).PagePropertiesBlock().PageTitle, "");
    EXPECT_EQ(window->DocumentName(), "Untitled");
}

TEST_F(DocumentLifecycleTest, ClosingAnswers)
{
    EditTitle("Mine");
    dialogs.Answering(Answer::Cancel);
    EXPECT_FALSE(CloseWindow());

    // Yes with a cancelled save dialog still closes.
    dialogs.Answering(Answer::Yes).CancellingFile();
    EXPECT_TRUE(CloseWindow());

    dialogs.Answering(Answer::No);
    EXPECT_TRUE(CloseWindow());
    EXPECT_EQ(dialogs.CallsOf(Kind::Question).size(), 3u);
}

TEST_F(DocumentLifecycleTest, SavePageWritesTheDocumentAndThreeCopies)
{
    window->Document().Page().Items(1).ImageBlock().FileName = "cat.gif";
    SelectRow(1);
    SelectRow(0);
    window->pnlPageProp->txtPageTitle->setText("Typed just before saving");

    dialogs.ChoosingFile(PathOf("Upload/My Page.html"));
    window->mnuSaveClick();

    const FileDialogRequest request = dialogs.CallsOf(Kind::SaveFile).at(0).request;
    EXPECT_EQ(request.filter, "HTML Files|*.html");
    EXPECT_EQ(request.defaultSuffix, "html");
    EXPECT_EQ(request.initialFolder, PathOf("Upload/"));

    const DocumentReadResult saved = ReadDocument(PathOf("TarvinFiles/My Page.tvd").toStdString());
    ASSERT_TRUE(saved.Ok());
    EXPECT_EQ(saved.document->Page().Items(0).PagePropertiesBlock().PageTitle, "Typed just before saving");
    const QString relative = ReadFile(PathOf("TarvinFiles/My Page.html"));
    EXPECT_TRUE(relative.contains("../Upload/images/cat.gif")) << relative.toStdString();
    EXPECT_EQ(ReadFile(PathOf("Upload/My Page.html")), relative);
    const QString bare = ReadFile(PathOf("Upload/MyPage.html"));
    EXPECT_TRUE(bare.contains("SRC=\"cat.gif\"")) << bare.toStdString();
    EXPECT_TRUE(bare.endsWith("\r\n"));

    EXPECT_EQ(window->windowTitle(), "Ostrel Tarvin 6.1 - My Page.html");
    EXPECT_EQ(window->DocumentName(), PathOf("Upload/My Page.html"));
    EXPECT_FALSE(window->Modified());
}

TEST_F(DocumentLifecycleTest, OnlyTheLastFullStopEndsThePageName)
{
    dialogs.ChoosingFile(PathOf("Upload/a.b.html"));
    window->mnuSaveClick();
    EXPECT_TRUE(ReadDocument(PathOf("TarvinFiles/a.b.tvd").toStdString()).Ok());
    EXPECT_TRUE(QFileInfo::exists(PathOf("TarvinFiles/a.b.html")));
    // The published copy is the chosen file itself, with bare picture names.
    EXPECT_TRUE(QFileInfo::exists(PathOf("Upload/a.b.html")));
    EXPECT_FALSE(QFileInfo::exists(PathOf("TarvinFiles/a.tvd")));
    EXPECT_EQ(window->windowTitle(), "Ostrel Tarvin 6.1 - a.b.html");
}

TEST_F(DocumentLifecycleTest, ViewPageShowsPicturesFromTheImagesFolder)
{
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(PathOf("Upload/images/red.bmp")));
    window->Document().Page().Items(1).ImageBlock().FileName = "red.bmp";
    QTest::mouseClick(window->btnPreview, Qt::LeftButton);
    ASSERT_TRUE(window->pnlPreview->isVisible());

    QStringList sources;
    for (QTextBlock block = window->browser->document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().charFormat().isImageFormat())
                sources << fragment.fragment().charFormat().toImageFormat().name();
    // The logo comes from the maker's server; the block's picture from the program folder.
    ASSERT_EQ(sources.size(), 2);
    ASSERT_EQ(sources.front(), PathOf("Upload/images/red.bmp"));
    const QPixmap shown = window->browser->loadResource(QTextDocument::ImageResource, QUrl(sources.front())).value<QPixmap>();
    EXPECT_EQ(shown.size(), QSize(30, 20));
}

TEST_F(DocumentLifecycleTest, SaveAsTemplateKeepsCaptionAndModified)
{
    dialogs.ChoosingFile(PathOf("Templates/Plain.tvt"));
    window->mnuCreateTemplateClick();
    EXPECT_EQ(dialogs.CallsOf(Kind::SaveFile).at(0).request.initialFolder, PathOf("Templates/"));
    EXPECT_TRUE(QFileInfo::exists(PathOf("Templates/Plain.tvt")));
    EXPECT_TRUE(QFileInfo::exists(PathOf("Templates/Plain.html")));
    EXPECT_EQ(window->windowTitle(), "Ostrel Tarvin 6.1 - Untitled");
    EXPECT_TRUE(window->Modified());
}

TEST_F(DocumentLifecycleTest, TemplatePreviewThatCannotBeWrittenIsReported)
{
    QDir(PathOf("Templates")).removeRecursively();
    dialogs.ChoosingFile(PathOf("Plain.tvt"));
    window->mnuCreateTemplateClick();
    EXPECT_TRUE(QFileInfo::exists(PathOf("Plain.tvt")));
    EXPECT_EQ(dialogs.CallsOf(Kind::Error).size(), 1u);
}

TEST_F(DocumentLifecycleTest, BrowserPreviewFileGoesWhenTheWindowCloses)
{
    window->btnExternalViewClick();
    EXPECT_TRUE(QFileInfo::exists(PathOf("TarvinFiles/~tmp.html")));
    // Without a desktop to open it with, the failure is reported.
    for (const QString& text : dialogs.Texts())
        EXPECT_TRUE(text.startsWith("Could not load the default client.")) << text.toStdString();
    dialogs.Answering(Answer::No);  // the preview stored the panel
    EXPECT_TRUE(CloseWindow());
    EXPECT_FALSE(QFileInfo::exists(PathOf("TarvinFiles/~tmp.html")));
}

TEST_F(DocumentLifecycleTest, ViewPageShowsThePreviewPanel)
{
    window->btnPreview->setChecked(true);
    window->btnCreateClick(1);
    EXPECT_TRUE(window->pnlPreview->isVisible());
    EXPECT_TRUE(window->Modified());
    window->btnCreateClick(0);
    EXPECT_FALSE(window->pnlPreview->isVisible());
}

TEST_F(DocumentLifecycleTest, OpeningFollowsTheCaptionRules)
{
    DropFromPalette(TBlockType::btForms, BelowLastRow());
    window->Document().WebForm().Add().Name = "Phone";
    window->Document().WebForm().Add().Name = "Fax";
    ASSERT_TRUE(WriteDocument(PathOf("TarvinFiles/form.tvd").toStdString(), window->Document()).Ok());
    ASSERT_TRUE(QFile::copy(PathOf("TarvinFiles/form.tvd"), PathOf("TarvinFiles/form.tvt")));
    ASSERT_TRUE(QFile::copy(PathOf("TarvinFiles/form.tvd"), PathOf("TarvinFiles/form.TVT")));
    dialogs.Answering(Answer::No);
    window->mnuNewClick();

    window->LoadDocument(PathOf("TarvinFiles/form.tvd"));
    EXPECT_EQ(window->windowTitle(), "Ostrel Tarvin 6.1 - form.tvd");
    EXPECT_EQ(RowCaptions().back(), "Forms");
    EXPECT_EQ(window->pnlForms->lvForms->topLevelItemCount(), 2);
    EXPECT_EQ(window->CurrentIndex(), 0);
    EXPECT_TRUE(Shows(window->pnlPageProp));
    EXPECT_FALSE(window->Modified());

    window->LoadDocument(PathOf("TarvinFiles/form.tvt"));
    EXPECT_EQ(window->windowTitle(), "Ostrel Tarvin 6.1 - Untitled");
    window->LoadDocument(PathOf("TarvinFiles/form.TVT"));
    EXPECT_EQ(window->windowTitle(), "Ostrel Tarvin 6.1 - form.TVT");
}

TEST_F(DocumentLifecycleTest, OpeningAnInvalidFileGivesANewPage)
{
    QFile bad(PathOf("TarvinFiles/bad.tvd"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a document");
    bad.close();
    window->LoadDocument(bad.fileName());
    EXPECT_EQ(dialogs.Texts(), QStringList({"The selected file is not a valid .TVD or .TVT document."}));
    EXPECT_EQ(RowCaptions(), QStringList({"Page Details", "Image", "Link", "Paragraph"}));
    EXPECT_EQ(window->windowTitle(), "Ostrel Tarvin 6.1 - bad.tvd");
}

} // namespace
} // namespace tarvin::testing
