#include "assistants/TfrmMisc.h"
#include "assistants/FontFamilies.h"

#include "platform/SharedOpenDialog.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace tarvin {
namespace {

using testing::ScriptedDialogs;

class TfrmMiscTest : public ::testing::Test {
protected:
    template <typename T>
    T* Child(const char* name) {
        T* child = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    QStringList Rows() {
        QStringList rows;
        auto* list = Child<QListWidget>("lstBookmarks");
        for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
        return rows;
    }

    QString WriteFile(const QString& relative, const QByteArray& bytes) {
        const QString path = QDir(home.path()).filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    void Choose(QComboBox* box, int row) {
        box->setCurrentIndex(row);
        emit box->activated(row);
    }

    QTemporaryDir home;
    ScriptedDialogs prompts;
    SharedOpenDialog openDialog{prompts};
    TfrmMisc dialog{openDialog, home.path()};
};

// Bookmarks face.

TEST_F(TfrmMiscTest, ReadsTheBookmarkFileItFinds) {
    WriteFile(".netscape/bookmarks.html",
              "<DL><p>\r\n<DT><A HREF=\"http://a.example/\">A</A>\r\n"
              "<DT><a href=\"http://caf\xE9.example/\">B</a> <A HREF=\"news:x\">C</A>\r\n</DL>\r\n");
    dialog.SetDialogMode(dmBookmarks);
    EXPECT_TRUE(dialog.FormShow());
    EXPECT_TRUE(prompts.calls.empty());
    EXPECT_EQ(Rows(), (QStringList{"http://a.example/", QString::fromUtf8("http://café.example/"), "news:x"}));
    EXPECT_EQ(dialog.SelectedBookmark(), "http://a.example/");
    EXPECT_EQ(dialog.windowTitle(), "Netscape Bookmarks");
}

TEST_F(TfrmMiscTest, AFileWithoutAddressesGivesTheNoBookmarksRow) {
    const QString path = WriteFile("plain.html", "<p>nothing here</p>\n");
    EXPECT_TRUE(dialog.ReadBookmarkFile(path));
    EXPECT_EQ(Rows(), QStringList{"No Bookmarks found."});
    EXPECT_EQ(dialog.SelectedBookmark(), "No Bookmarks found.");
    EXPECT_FALSE(dialog.ReadBookmarkFile(QDir(home.path()).filePath("missing.html")));
    EXPECT_FALSE(dialog.ReadBookmarkFile(home.path()));  // a folder
}

TEST_F(TfrmMiscTest, AnsweringNoClosesAsCancelledWithTheNoBookmarksRow) {
    prompts.Answering(Answer::No);
    dialog.SetDialogMode(dmBookmarks);
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);  // closes without being shown
    ASSERT_EQ(prompts.calls.size(), 1u);
    EXPECT_EQ(prompts.calls[0].text, "Unable to find Netscape Bookmarks. Would you like to find it yourself?");
    EXPECT_EQ(prompts.calls[0].icon, MessageIcon::Information);
    EXPECT_FALSE(prompts.calls[0].withCancel);
    EXPECT_EQ(Rows(), QStringList{"No Bookmarks found."});
}

TEST_F(TfrmMiscTest, AnsweringYesReadsTheChosenFile) {
    const QString chosen = WriteFile("saved/bm.htm", "<A HREF=\"http://mine.example/\">");
    openDialog.Request().fileName = "left over.txt";
    prompts.Answering(Answer::Yes).ChoosingFile(chosen);
    dialog.SetDialogMode(dmBookmarks);
    EXPECT_TRUE(dialog.FormShow());
    const auto asked = prompts.CallsOf(ScriptedDialogs::Kind::OpenFile);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].request.filter, "HTML Files|*.htm;*.html");
    EXPECT_EQ(asked[0].request.fileName, "");
    EXPECT_EQ(Rows(), QStringList{"http://mine.example/"});
}

TEST_F(TfrmMiscTest, AnsweringYesThenCancellingClosesAsCancelled) {
    prompts.Answering(Answer::Yes).CancellingFile();
    dialog.SetDialogMode(dmBookmarks);
    EXPECT_FALSE(dialog.FormShow());
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_EQ(dialog.SelectedBookmark(), std::nullopt);
}

TEST_F(TfrmMiscTest, DoubleClickOnARowAccepts) {
    WriteFile(".netscape/bookmarks.html", "<A HREF=\"http://a.example/\">");
    dialog.SetDialogMode(dmBookmarks);
    auto* list = Child<QListWidget>("lstBookmarks");
    QTimer::singleShot(0, list, [list] { emit list->itemDoubleClicked(list->item(0)); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedBookmark(), "http://a.example/");
}

// Meta face.

TEST_F(TfrmMiscTest, MetaOkFollowsTheContent) {
    dialog.SetDialogMode(dmMeta);
    dialog.SelectMetaName("Description");
    dialog.SetMetaContent("");
    ASSERT_TRUE(dialog.FormShow());
    EXPECT_EQ(dialog.windowTitle(), "Meta Tag");
    auto* ok = Child<QPushButton>("btnOK");
    EXPECT_FALSE(ok->isEnabled());
    Child<QLineEdit>("txtMetaContent")->setText("a page about cats");
    EXPECT_TRUE(ok->isEnabled());
    Child<QLineEdit>("txtMetaContent")->clear();
    EXPECT_FALSE(ok->isEnabled());
}

TEST_F(TfrmMiscTest, MetaNameIsTheChosenRow) {
    dialog.SetDialogMode(dmMeta);
    dialog.SelectMetaName("Keywords");
    dialog.SetMetaContent("cats, dogs");
    ASSERT_TRUE(dialog.FormShow());
    EXPECT_TRUE(Child<QPushButton>("btnOK")->isEnabled());
    EXPECT_EQ(dialog.MetaName(), "Keywords");
    Choose(Child<QComboBox>("cbMetaName"), 4);
    EXPECT_EQ(dialog.MetaName(), "Reply-to");
    EXPECT_EQ(dialog.MetaContent(), "cats, dogs");
}

TEST_F(TfrmMiscTest, AnUnknownMetaNameSelectsNoRowAndIsKept) {
    dialog.SetDialogMode(dmMeta);
    dialog.SelectMetaName("author");
    dialog.SetMetaContent("Me");
    ASSERT_TRUE(dialog.FormShow());
    EXPECT_EQ(Child<QComboBox>("cbMetaName")->currentIndex(), -1);
    EXPECT_EQ(dialog.MetaName(), "author");
    dialog.SelectMetaName("keywords");  // names are compared with their case
    EXPECT_EQ(Child<QComboBox>("cbMetaName")->currentIndex(), -1);
}

// Font face.

TEST_F(TfrmMiscTest, FontFaceShowsTheSample) {
    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(families.isEmpty());
    QFont font(families.last(), 16);
    font.setItalic(true);
    dialog.SetDialogMode(dmFont);
    dialog.SetSample(font, QColor(Qt::red));
    ASSERT_TRUE(dialog.FormShow());
    EXPECT_EQ(dialog.windowTitle(), "Font");
    EXPECT_EQ(Child<QComboBox>("cbName")->currentText(), PlainFamilyName(families.last()));
    EXPECT_EQ(Child<QComboBox>("cbSize")->currentIndex(), 2);
    EXPECT_EQ(Child<QComboBox>("cbSize")->currentText(), "5");
    EXPECT_FALSE(Child<QPushButton>("btnBold")->isChecked());
    EXPECT_TRUE(Child<QPushButton>("btnItalic")->isChecked());
    EXPECT_TRUE(Child<QPushButton>("btnColor")->isEnabled());  // opens the colour picker
    EXPECT_EQ(dialog.SampleColor(), QColor(Qt::red));
}

TEST_F(TfrmMiscTest, FontFaceKeepsWhatNoRowStandsFor) {
    dialog.SetDialogMode(dmFont);
    dialog.SetSample(QFont("No Such Font Family", 13), QColor(Qt::black));
    ASSERT_TRUE(dialog.FormShow());
    EXPECT_EQ(Child<QComboBox>("cbName")->currentIndex(), -1);
    EXPECT_EQ(Child<QComboBox>("cbSize")->currentIndex(), -1);
    EXPECT_EQ(dialog.SampleFont().pointSize(), 13);
    EXPECT_EQ(dialog.SampleFont().family(), "No Such Font Family");
}

TEST_F(TfrmMiscTest, AFontKeptWithItsFoundryComesBackByItsPlainName) {
    const QString plain = PlainFamilyNames(QFontDatabase::families()).value(0);
    ASSERT_FALSE(plain.isEmpty());
    dialog.SetDialogMode(dmFont);
    dialog.SetSample(QFont(plain + " [urw]", 12), QColor(Qt::black));
    ASSERT_TRUE(dialog.FormShow());
    EXPECT_EQ(Child<QComboBox>("cbName")->currentText(), plain);
    EXPECT_EQ(dialog.SampleFont().family(), plain);
    EXPECT_EQ(Child<QComboBox>("cbName")->findText(plain + " [urw]"), -1);
}

TEST_F(TfrmMiscTest, FontControlsChangeTheSample) {
    dialog.SetDialogMode(dmFont);
    dialog.SetSample(QFont("No Such Font Family", 13), QColor(Qt::black));
    ASSERT_TRUE(dialog.FormShow());
    Choose(Child<QComboBox>("cbSize"), 0);
    EXPECT_EQ(dialog.SampleFont().pointSize(), 20);
    Choose(Child<QComboBox>("cbSize"), 6);
    EXPECT_EQ(dialog.SampleFont().pointSize(), 8);
    auto* name = Child<QComboBox>("cbName");
    Choose(name, 0);
    EXPECT_EQ(dialog.SampleFont().family(), name->itemText(0));
    Child<QPushButton>("btnBold")->click();
    Child<QPushButton>("btnUnderline")->click();
    EXPECT_TRUE(dialog.SampleFont().bold());
    EXPECT_TRUE(dialog.SampleFont().underline());
    Child<QPushButton>("btnBold")->click();
    EXPECT_FALSE(dialog.SampleFont().bold());
}

TEST_F(TfrmMiscTest, OkAcceptsTheFontFaceUnchanged) {
    dialog.SetDialogMode(dmFont);
    dialog.SetSample(QFont("No Such Font Family", 13), QColor(Qt::blue));
    QTimer::singleShot(0, &dialog, [this] { Child<QPushButton>("btnOK")->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.SampleFont().pointSize(), 13);
    EXPECT_EQ(dialog.SampleColor(), QColor(Qt::blue));
}

} // namespace
} // namespace tarvin
