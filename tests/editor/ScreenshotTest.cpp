// Pictures of the window for the documentation: run with TARVIN_SCREENSHOTS
// set to the folder that receives main-window.png and preview.png.

#include "EditorFixture.h"

#include "editor/FontMemo.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>

namespace tarvin::testing {
namespace {

class ScreenshotTest : public EditorTest {};

TEST_F(ScreenshotTest, MainWindowAndPreview)
{
    const QString target = qEnvironmentVariable("TARVIN_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "TARVIN_SCREENSHOTS not set";
    window->resize(900, 620);

    QImage picture(160, 90, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, 90);
    sky.setColorAt(0, QColor(90, 150, 230));
    sky.setColorAt(1, QColor(200, 230, 255));
    painter.fillRect(picture.rect(), sky);
    painter.setBrush(QColor(60, 150, 60));
    painter.drawEllipse(-20, 55, 200, 80);
    painter.end();
    ASSERT_TRUE(picture.save(PathOf("Upload/images/hills.png")));

    TPagelette& page = window->Document();
    window->pnlPageProp->txtPageTitle->setText("My Garden");  // the panel on show is stored by the drops below
    TImageBlock& image = page.Page().Items(1).ImageBlock();
    image.FileName = "hills.png";
    image.Alt = "The hills behind the garden";
    TLinkBlock& link = page.Page().Items(2).LinkBlock();
    link.LinkURL = "http://www.ostrel.example/";
    link.LinkText = "Visit Ostrel";
    page.Page().Items(3).TextBlock().Text = "Welcome to my garden. In spring the hills turn green and the roses open.";
    DropFromPalette(TBlockType::btHeading, RowPoint(1));
    window->pnlHeading->txtHeading->setPlainText("Welcome to My Garden");
    DropFromPalette(TBlockType::btHR, BelowLastRow());
    DropFromPalette(TBlockType::btBullet, BelowLastRow());
    window->pnlBullets->txtBullets->setPlainText("Roses\nTulips\nSunflowers");
    SelectRow(1);
    QCoreApplication::processEvents();
    ASSERT_TRUE(window->grab().save(target + "/main-window.png"));

    window->btnPreview->setChecked(true);
    window->btnCreateClick(1);
    QCoreApplication::processEvents();
    ASSERT_TRUE(window->grab().save(target + "/preview.png"));
}

} // namespace
} // namespace tarvin::testing
