#include "assistants/TfrmTemplates.h"

#include "document/DocumentFile.h"
#include "platform/HtmlViewer.h"
#include "platform/SharedOpenDialog.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace tarvin {
namespace {

using testing::ScriptedDialogs;

class TfrmTemplatesTest : public ::testing::Test {
protected:
    TfrmTemplatesTest() {
        for (const char* folder : {"Templates", "TarvinFiles", "Elsewhere"}) QDir(root.path()).mkdir(folder);
    }

    QString Path(const QString& relative) const { return folder + relative; }
    void Write(const QString& relative, const QByteArray& bytes = "x") {
        QFile file(Path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray Page(const char* text) { return QByteArray("<HTML><BODY>") + text + "</BODY></HTML>\r\n"; }

    std::unique_ptr<TfrmTemplates> Open() {
        auto gallery = std::make_unique<TfrmTemplates>(openDialog, folder);
        list = gallery->findChild<QListWidget*>("lstTemplates");
        viewer = gallery->findChild<HtmlViewer*>("viewer");
        ok = gallery->findChild<QPushButton*>("btnOK");
        return gallery;
    }
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text() + (list->item(i)->data(Qt::UserRole).toInt() == 0 ? " T" : " D");
        return rows;
    }
    QString Preview() const { return viewer->toPlainText(); }

    QTemporaryDir root;
    QString folder = root.path() + '/';
    ScriptedDialogs prompts;
    SharedOpenDialog openDialog{prompts};
    QListWidget* list = nullptr;
    HtmlViewer* viewer = nullptr;
    QPushButton* ok = nullptr;
};

TEST_F(TfrmTemplatesTest, ListsTemplatesThenDocumentsByExactExtension) {
    for (const char* name : {"Templates/Zoo.tvt", "Templates/business.tvt", "Templates/x.TVT", "Templates/notes_tvt",
                             "Templates/a.btvt", "Templates/Zoo.html", "TarvinFiles/My Page.tvd",
                             "TarvinFiles/My Page.tvd.Ab12Cd", "TarvinFiles/a.b.tvd"})
        Write(name);
    QDir(folder).mkdir("Templates/folder.tvt");
    auto gallery = Open();
    EXPECT_EQ(gallery->windowTitle(), "Templates");
    EXPECT_EQ(Rows(), (QStringList{"business T", "Zoo T", "a.b D", "My Page D"}));
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(gallery->SelectedFile().isEmpty());
}

TEST_F(TfrmTemplatesTest, SelectingPreviewsThePageBesideTheFile) {
    Write("Templates/Business.tvt");
    Write("Templates/Business.html", Page("Business preview"));
    Write("TarvinFiles/Plain.tvd");
    auto gallery = Open();
    list->setCurrentRow(0);
    EXPECT_EQ(gallery->SelectedFile(), Path("Templates/Business.tvt"));
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_TRUE(Preview().contains("Business preview"));

    // No page beside the file: the preview does not go on showing Business.
    list->setCurrentRow(1);
    EXPECT_EQ(gallery->SelectedFile(), Path("TarvinFiles/Plain.tvd"));
    EXPECT_TRUE(Preview().isEmpty());
}

TEST_F(TfrmTemplatesTest, BrowseAsksForAnyFileAndLeavesTheListUnselected) {
    Write("Templates/Business.tvt");
    Write("Elsewhere/Mine.tvd");
    Write("Elsewhere/Mine.html", Page("Mine preview"));
    auto gallery = Open();
    prompts.CancellingFile().ChoosingFile(Path("Elsewhere/Mine.tvd"));
    gallery->btnBrowseClick();
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(gallery->SelectedFile().isEmpty());

    list->setCurrentRow(0);
    gallery->btnBrowseClick();
    const FileDialogRequest& request = prompts.calls.back().request;
    EXPECT_EQ(request.filter, "Tarvin Files|*.tvd|Tarvin Template|*.tvt");
    EXPECT_EQ(request.initialFolder, Path("TarvinFiles/"));
    EXPECT_TRUE(request.fileName.isEmpty());
    EXPECT_EQ(gallery->SelectedFile(), Path("Elsewhere/Mine.tvd"));
    EXPECT_TRUE(Preview().contains("Mine preview"));
    EXPECT_TRUE(list->selectedItems().isEmpty());

    // Clicking the entry again picks it again.
    list->item(0)->setSelected(true);
    EXPECT_EQ(gallery->SelectedFile(), Path("Templates/Business.tvt"));
}

TEST_F(TfrmTemplatesTest, DeleteRemovesTheFileAndItsPreviewOnlyOnYes) {
    Write("Templates/Business.tvt");
    Write("Templates/Business.html", Page("Business"));
    Write("TarvinFiles/Gone.tvd");
    auto gallery = Open();
    gallery->btnDeleteClick();  // nothing selected: no question
    EXPECT_TRUE(prompts.calls.empty());

    list->setCurrentRow(0);
    prompts.Answering(Answer::No).Answering(Answer::Yes);
    gallery->btnDeleteClick();
    EXPECT_TRUE(QFile::exists(Path("Templates/Business.tvt")));
    EXPECT_EQ(list->count(), 2);
    gallery->btnDeleteClick();
    EXPECT_EQ(prompts.Texts(), (QStringList{"Do you want to delete Business?", "Do you want to delete Business?"}));
    EXPECT_FALSE(prompts.calls.back().withCancel);
    EXPECT_FALSE(QFile::exists(Path("Templates/Business.tvt")));
    EXPECT_FALSE(QFile::exists(Path("Templates/Business.html")));
    EXPECT_EQ(Rows(), QStringList{"Gone D"});
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(Preview().isEmpty());
    EXPECT_EQ(gallery->SelectedFile(), Path("Templates/Business.tvt"));

    // A file already gone keeps its entry.
    list->setCurrentRow(0);
    QFile::remove(Path("TarvinFiles/Gone.tvd"));
    prompts.Answering(Answer::Yes);
    gallery->btnDeleteClick();
    EXPECT_EQ(list->count(), 1);
    EXPECT_FALSE(ok->isEnabled());
}

TEST_F(TfrmTemplatesTest, DoubleClickChoosesTheEntry) {
    Write("TarvinFiles/Page.tvd");
    auto gallery = Open();
    emit list->itemDoubleClicked(list->item(0));
    EXPECT_EQ(gallery->result(), QDialog::Accepted);
    EXPECT_EQ(gallery->SelectedFile(), Path("TarvinFiles/Page.tvd"));
}

// The way the Open command runs the gallery, against the templates the build ships.
TEST_F(TfrmTemplatesTest, ChooseGivesAShippedTemplateThatOpensUntitled) {
    const QString shipped = QStringLiteral(TARVIN_PROGRAM_FOLDER);
    QTimer::singleShot(0, [] {
        auto* gallery = qobject_cast<TfrmTemplates*>(QApplication::activeModalWidget());
        ASSERT_NE(gallery, nullptr);
        auto* shown = gallery->findChild<QListWidget*>("lstTemplates");
        ASSERT_GE(shown->count(), 3);
        shown->setCurrentRow(0);
        EXPECT_FALSE(gallery->findChild<HtmlViewer*>("viewer")->toPlainText().isEmpty());
        gallery->findChild<QPushButton*>("btnOK")->click();
    });
    const std::optional<QString> chosen = TfrmTemplates::Choose(openDialog, shipped);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(chosen->startsWith(shipped + "Templates/"));
    EXPECT_TRUE(ReadDocument(chosen->toStdString()).Ok());
    EXPECT_TRUE(IsTemplatePath(chosen->toStdString()));

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->findChild<QPushButton*>("btnCancel")->click(); });
    EXPECT_FALSE(TfrmTemplates::Choose(openDialog, folder).has_value());
}

} // namespace
} // namespace tarvin
