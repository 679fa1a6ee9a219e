#include "platform/HtmlViewer.h"

#include "generator/CreditPicture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

namespace tarvin {
namespace {

// A program folder with Upload/images/dot.png (3 by 2) and a page in Templates/.
class HtmlViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir root(dir.path());
        root.mkpath("Upload/images");
        root.mkpath("Templates");
        QImage dot(3, 2, QImage::Format_RGB32);
        dot.fill(Qt::red);
        ASSERT_TRUE(dot.save(root.filePath("Upload/images/dot.png")));
        viewer.SetServerRoot(root.filePath("Upload"));
    }

    QImage Picture(const QString& src) {
        return viewer.document()->resource(QTextDocument::ImageResource, QUrl(src)).value<QImage>();
    }

    QTemporaryDir dir;
    HtmlViewer viewer;
};

TEST_F(HtmlViewerTest, ResolvesPicturesUnderTheServerRoot) {
    viewer.LoadLines({"<html><body>", "<img src=\"images/dot.png\">", "</body></html>"});
    EXPECT_EQ(Picture("images/dot.png").size(), QSize(3, 2));
    EXPECT_EQ(Picture("../Upload/images/dot.png").size(), QSize(3, 2));
    EXPECT_EQ(Picture(dir.filePath("Upload/images/dot.png")).size(), QSize(3, 2));
    EXPECT_EQ(Picture(QUrl::fromLocalFile(dir.filePath("Upload/images/dot.png")).toString()).size(), QSize(3, 2));
    EXPECT_TRUE(Picture("images/missing.png").isNull());
    EXPECT_TRUE(Picture("http://example.com/images/dot.png").isNull());
}

// The picture names as the page's IMG tags give them.
QStringList PictureNames(const QTextDocument& document) {
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                names << it.fragment().charFormat().toImageFormat().name();
    return names;
}

TEST_F(HtmlViewerTest, FindsPicturesWithAwkwardNamesByTheirLocalAddress) {
    const QString name = QString::fromUtf8("100% \"caf\xC3\xA9\" #1?.png");
    ASSERT_TRUE(QFile::copy(dir.filePath("Upload/images/dot.png"), dir.filePath("Upload/images/" + name)));
    // As the generator writes it for the internal preview.
    const std::string src = dir.filePath("Upload/images/").toStdString() + "100%25 &quot;caf\xC3\xA9&quot; %231%3F.png";
    viewer.LoadLines({"<img src=\"" + src + "\">"});
    const QStringList names = PictureNames(*viewer.document());
    ASSERT_EQ(names.size(), 1);
    EXPECT_EQ(Picture(names[0]).size(), QSize(3, 2)) << names[0].toStdString();
}

TEST_F(HtmlViewerTest, ShowsPicturesCarriedInThePage) {
    const QString button = QString::fromLatin1(html::CreditPicture.data(), html::CreditPicture.size());
    viewer.LoadLines({"<img src=\"" + std::string(html::CreditPicture) + "\">"});
    EXPECT_EQ(Picture(button).size(), QSize(88, 31));
    EXPECT_TRUE(Picture("data:image/png;base64,bm90IGEgcGljdHVyZQ==").isNull());
}

TEST_F(HtmlViewerTest, LoadsAFileWithPicturesRelativeToIt) {
    const QString page = dir.filePath("Templates/preview.html");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<p>Caf\xE9</p><img src=\"../Upload/images/dot.png\">");
    file.close();
    viewer.SetServerRoot(QString());
    viewer.LoadFile(page);
    EXPECT_EQ(viewer.toPlainText().trimmed().left(4), QString::fromUtf8("Café"));
    EXPECT_EQ(Picture("../Upload/images/dot.png").size(), QSize(3, 2));
}

TEST_F(HtmlViewerTest, LinesAreDecodedOneByOne) {
    viewer.LoadLines({"<p>Caf\xC3\xA9</p>", "<p>na\xEFve</p>"});
    EXPECT_EQ(viewer.toPlainText().trimmed(), QString::fromUtf8("Café\nnaïve"));
    viewer.Clear();
    EXPECT_TRUE(viewer.toPlainText().isEmpty());
}

TEST_F(HtmlViewerTest, ReportsLinksAndStaysOnItsPage) {
    viewer.LoadLines({"<a href=\"http://example.com/\">away</a>"});
    QSignalSpy spy(&viewer, &HtmlViewer::linkClicked);
    emit viewer.anchorClicked(QUrl("http://example.com/"));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toUrl(), QUrl("http://example.com/"));
    EXPECT_TRUE(viewer.source().isEmpty());
    EXPECT_EQ(viewer.toPlainText().trimmed(), "away");
}

// The colour each word of the page is drawn in.
QMap<QString, QColor> WordColours(const QTextDocument& document) {
    QMap<QString, QColor> colours;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            for (const QString& word : fragment.fragment().text().split(' ', Qt::SkipEmptyParts))
                colours[word] = fragment.fragment().charFormat().foreground().color();
    return colours;
}

struct BodyCase {
    const char* body;
    QColor text;  // invalid: the viewer's own colour
    QColor link;
};

class BodyColours : public HtmlViewerTest, public ::testing::WithParamInterface<BodyCase> {};

// A page's BODY colours reach the text and the links; the next page starts afresh.
TEST_P(BodyColours, ColourTheTextAndLinks) {
    viewer.LoadLines({GetParam().body, "plain <A HREF=\"x.html\">linked</A>", "</BODY>"});
    const auto colours = WordColours(*viewer.document());
    if (GetParam().text.isValid()) EXPECT_EQ(colours["plain"], GetParam().text);
    else EXPECT_NE(colours["plain"], QColor(0x12, 0x34, 0x56));
    if (GetParam().link.isValid()) EXPECT_EQ(colours["linked"], GetParam().link);
    else EXPECT_NE(colours["linked"], QColor(0x65, 0x43, 0x21));
}

INSTANTIATE_TEST_SUITE_P(
    HtmlViewer, BodyColours,
    ::testing::Values(
        BodyCase{"<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#123456\" LINK=\"#654321\" ALINK=\"#FF0000\" VLINK=\"#990099\">",
                 QColor(0x12, 0x34, 0x56), QColor(0x65, 0x43, 0x21)},
        BodyCase{"<body vlink=#123456 alink=#654321 text=#abcdef>", QColor(0xAB, 0xCD, 0xEF), QColor()},
        // Anything but six hexadecimal digits is not a colour for the style sheet.
        BodyCase{"<BODY TEXT=\"#123456} a { font-size: 90px\" LINK=\"red\">", QColor(), QColor()},
        BodyCase{"<BODY TEXT=\"#1234567\">", QColor(), QColor()}));

} // namespace
} // namespace tarvin
