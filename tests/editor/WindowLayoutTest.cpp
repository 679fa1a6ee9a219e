// The main window at its smallest: no smaller than it was designed for, and
// every caption whole, on every panel and in the preview.

#include "EditorFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

namespace tarvin::testing {
namespace {

class WindowLayoutTest : public EditorTest {
protected:
    // The visible captions that do not get the room they ask for.
    QStringList ClippedCaptions() const
    {
        QCoreApplication::processEvents();
        QStringList clipped;
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (button->isVisible() && !button->text().isEmpty() && button->width() < button->sizeHint().width())
                clipped << button->text();
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (label->isVisible() && !label->wordWrap() && !label->text().isEmpty() &&
                (label->width() < label->sizeHint().width() || label->height() < label->sizeHint().height()))
                clipped << label->text();
        return clipped;
    }
};

TEST_F(WindowLayoutTest, AtItsSmallestTheWindowShowsEveryCaptionWhole)
{
    window->showNormal();
    window->resize(1, 1);
    QCoreApplication::processEvents();
    EXPECT_GE(window->width(), 630);
    EXPECT_GE(window->height(), 536);

    for (TBlockType type : {TBlockType::btHeading, TBlockType::btBullet, TBlockType::btHR, TBlockType::btForms})
        DropFromPalette(type, BelowLastRow());
    for (int row = 0; row < Blocks().count(); ++row) {
        SelectRow(row);
        EXPECT_EQ(ClippedCaptions(), QStringList()) << Blocks().item(row)->text().toStdString();
    }
    window->btnPreview->click();
    ASSERT_TRUE(window->pnlPreview->isVisible());
    EXPECT_EQ(ClippedCaptions(), QStringList()) << "preview";
}

} // namespace
} // namespace tarvin::testing
