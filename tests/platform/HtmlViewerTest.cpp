#include "platform/HtmlViewer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
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

} // namespace
} // namespace tarvin
