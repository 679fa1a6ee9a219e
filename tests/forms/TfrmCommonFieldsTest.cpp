// The common fields dialog: composing the default list by dragging rows
// between the two lists, the keys and buttons of mode 0, and the advanced
// options of mode 1.
#include "forms/FieldListHelpers.h"
#include "forms/TfrmCommonFields.h"
#include "platform/HelpTopicTag.h"
#include "support/RowListInput.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

namespace tarvin {
namespace {

using testing::ScriptedDialogs;
using K = TFieldKind;

class TfrmCommonFieldsTest : public ::testing::Test {
protected:
    void Open(const QByteArray& fieldsIni)
    {
        QFile file(dir.filePath("Fields.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(fieldsIni);
        file.close();
        dialog.LoadLists(IniFile(file.fileName().toStdString()));
        dialog.show();
    }

    static QStringList Names(const RowList& list)
    {
        QStringList names;
        for (int row = 0; row < list.RowCount(); ++row)
            names << list.Row(row)->text(0);
        return names;
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    TfrmCommonFields dialog{dialogs};
};

const QByteArray Lists = "[Default Fields]\nFIELD0=Name|0\nFIELD1=E-Mail|0\nFIELD2=City|0\nFIELD3=Comments|1\n"
                         "[Field Bank]\nFIELD0=NAME|0\nFIELD1=Phone|0\nFIELD2=State|4\nFIELD3=Submit|5\n";

TEST_F(TfrmCommonFieldsTest, ShowsTheFileSectionsUnchanged)
{
    Open(Lists);
    EXPECT_EQ(dialog.windowTitle(), "Commonly Used Fields");
    EXPECT_TRUE(dialog.btnReset->isVisible());
    EXPECT_EQ(Names(*dialog.lvForms), (QStringList{"Name", "E-Mail", "City", "Comments"}));
    EXPECT_EQ(dialog.lvForms->Row(3)->text(1), "Text Area");
    EXPECT_EQ(Names(*dialog.lvFieldBank), (QStringList{"NAME", "Phone", "State", "Submit"}));
    EXPECT_EQ(RowKind(*dialog.lvFieldBank->Row(3)), K::fkButton);
    EXPECT_FALSE(dialog.Changed());
    EXPECT_EQ(HelpContextOf(dialog.lvFieldBank), 203);
}

TEST_F(TfrmCommonFieldsTest, MissingSectionsLeaveTheBuiltInRowsAndCountAsAChange)
{
    Open("[Default Fields]\n; nothing yet\n");
    EXPECT_EQ(Names(*dialog.lvForms),
              (QStringList{"Name", "E-Mail", "Address", "City", "State", "Zip Code/Postal Code"}));
    EXPECT_EQ(dialog.lvFieldBank->RowCount(), 13);
    EXPECT_EQ(RowKind(*dialog.lvFieldBank->Row(10)), K::fkRadio);
    EXPECT_TRUE(dialog.Changed());
}

TEST_F(TfrmCommonFieldsTest, BankRowDroppedOnADefaultRowIsInsertedBeforeIt)
{
    Open(Lists);
    testing::DragRow(*dialog.lvFieldBank, 2, *dialog.lvForms, testing::RowCenter(*dialog.lvForms, 2));
    EXPECT_EQ(Names(*dialog.lvForms), (QStringList{"Name", "E-Mail", "State", "City", "Comments"}));
    EXPECT_EQ(dialog.lvForms->Row(2)->text(1), "Drop Down");
    EXPECT_EQ(dialog.lvForms->SelectedRow(), 2);
    EXPECT_EQ(dialog.lvFieldBank->RowCount(), 4);  // the bank keeps its row
    EXPECT_TRUE(dialog.Changed());

    // Below the last row it is appended, with a right-button drag too.
    const QPoint below(10, dialog.lvForms->viewport()->height() - 3);
    testing::DragRow(*dialog.lvFieldBank, 3, *dialog.lvForms, below, Qt::RightButton);
    EXPECT_EQ(Names(*dialog.lvForms).last(), "Submit");
}

TEST_F(TfrmCommonFieldsTest, AFieldAlreadyListedInAnyCaseIsSelectedNotAdded)
{
    Open(Lists);
    testing::ClickRow(*dialog.lvForms, 3);
    testing::DragRow(*dialog.lvFieldBank, 0, *dialog.lvForms, testing::RowCenter(*dialog.lvForms, 3));
    EXPECT_EQ(Names(*dialog.lvForms), (QStringList{"Name", "E-Mail", "City", "Comments"}));
    EXPECT_EQ(dialog.lvForms->SelectedRow(), 0);
    EXPECT_FALSE(dialog.Changed());
}

TEST_F(TfrmCommonFieldsTest, DraggingWithinTheDefaultListExchangesRows)
{
    Open(Lists);
    testing::DragRow(*dialog.lvForms, 0, 3);
    EXPECT_EQ(Names(*dialog.lvForms), (QStringList{"Comments", "E-Mail", "City", "Name"}));
    EXPECT_EQ(dialog.lvForms->SelectedRow(), 3);
    EXPECT_TRUE(dialog.Changed());
}

TEST_F(TfrmCommonFieldsTest, DefaultRowsLeaveByDragToTheBankOrByDeleteButNeverTheLast)
{
    Open("[Default Fields]\nFIELD0=Name|0\nFIELD1=City|0\n[Field Bank]\nFIELD0=Name|0\n");
    testing::DragRow(*dialog.lvForms, 1, *dialog.lvFieldBank, testing::RowCenter(*dialog.lvFieldBank, 0));
    EXPECT_EQ(Names(*dialog.lvForms), QStringList{"Name"});
    EXPECT_EQ(dialog.lvFieldBank->RowCount(), 1);

    testing::DragRow(*dialog.lvForms, 0, *dialog.lvFieldBank, testing::RowCenter(*dialog.lvFieldBank, 0));
    EXPECT_EQ(dialogs.calls.size(), 1u);
    testing::ClickRow(*dialog.lvForms, 0);
    QTest::keyClick(dialog.lvForms, Qt::Key_Delete);
    EXPECT_EQ(dialogs.Texts(), QStringList(2, "There must be at least one form field."));
    EXPECT_EQ(Names(*dialog.lvForms), QStringList{"Name"});
    EXPECT_TRUE(dialog.Changed());

    // A drop from the bank onto itself does nothing.
    testing::DragRow(*dialog.lvFieldBank, 0, *dialog.lvFieldBank, QPoint(10, 60));
    EXPECT_EQ(dialog.lvFieldBank->RowCount(), 1);

    // Enter in a list is the dialog's OK.
    QTest::keyClick(dialog.lvForms, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(TfrmCommonFieldsTest, PriorityButtonsFollowTheSelectionAndMoveTheRow)
{
    Open(Lists);
    EXPECT_FALSE(dialog.btnMoveUp->isEnabled());
    EXPECT_FALSE(dialog.btnMoveDown->isEnabled());
    testing::ClickRow(*dialog.lvForms, 0);
    EXPECT_FALSE(dialog.btnMoveUp->isEnabled());
    EXPECT_TRUE(dialog.btnMoveDown->isEnabled());
    QTest::mouseClick(dialog.btnMoveDown, Qt::LeftButton);
    EXPECT_EQ(Names(*dialog.lvForms), (QStringList{"E-Mail", "Name", "City", "Comments"}));
    testing::ClickRow(*dialog.lvForms, 3);
    EXPECT_TRUE(dialog.btnMoveUp->isEnabled());
    EXPECT_FALSE(dialog.btnMoveDown->isEnabled());
    QTest::mouseClick(dialog.btnMoveUp, Qt::LeftButton);
    EXPECT_EQ(Names(*dialog.lvForms), (QStringList{"E-Mail", "Name", "Comments", "City"}));
    EXPECT_TRUE(dialog.Changed());
}

TEST_F(TfrmCommonFieldsTest, ResetPutsBackTheSixFieldsWhichSaveAsKindsOfTheirRows)
{
    Open(Lists);
    QTest::mouseClick(dialog.btnReset, Qt::LeftButton);
    EXPECT_TRUE(dialog.Changed());
    IniFile saved(dir.filePath("Fields.ini").toStdString());
    SaveFieldList(DefaultFieldsSection, saved, *dialog.lvForms);
    ASSERT_TRUE(saved.Save());
    const IniFile back(dir.filePath("Fields.ini").toStdString());
    const char* expected[] = {"Name|0", "E-Mail|0", "Address|0", "City|0", "State|4", "Zip Code/Postal Code|0"};
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(back.Value(DefaultFieldsSection, "FIELD" + std::to_string(n)), expected[n]);
    EXPECT_EQ(back.LineCount(DefaultFieldsSection), 6);
    EXPECT_EQ(back.Value(FieldBankSection, "FIELD3"), "Submit|5");
}

TEST_F(TfrmCommonFieldsTest, AdvancedOptionsShowAndStoreThePageOptions)
{
    TPagelette page;
    page.FormTitle = "Write to us";
    page.Border = page.HostName = page.AlphaSort = true;
    page.Color = "kept";
    dialog.SetMode(cmAdvancedOptions);
    dialog.ShowOptions(page);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "E-mail Form Advanced Options");
    EXPECT_FALSE(dialog.btnReset->isVisible());
    EXPECT_TRUE(dialog.pnlAdvanced->isVisible());
    EXPECT_EQ(dialog.txtFormHandler->placeholderText(), "/cgi-bin/FormMail.pl");
    EXPECT_EQ(HelpContextOf(dialog.chkSort), 202);

    // Untouched, the options come back as they were.
    TPagelette same;
    dialog.StoreOptions(same);
    EXPECT_EQ(same.FormTitle, "Write to us");
    EXPECT_TRUE(same.Border && same.HostName && same.AlphaSort);
    EXPECT_FALSE(same.FormFooter || same.EmailAddress || same.EmailSubject || same.EnvReport || same.BrowserUsed ||
                 same.BlankFields);

    for (QCheckBox* box : {dialog.chkFooter, dialog.chkUseBorder, dialog.chkAddress, dialog.chkSubject, dialog.chkIP,
                           dialog.chkHostname, dialog.chkBrowser, dialog.chkBlankFields, dialog.chkSort})
        testing::ClickTick(box);
    QTest::keyClicks(dialog.txtFormHandler, " https://mail.example.net/cgi-bin/FormMail.pl ");
    dialog.StoreOptions(page);
    EXPECT_TRUE(page.FormFooter && page.EmailAddress && page.EmailSubject && page.EnvReport && page.BrowserUsed &&
                page.BlankFields);
    EXPECT_FALSE(page.Border || page.HostName || page.AlphaSort);
    EXPECT_EQ(page.FormHandler, "https://mail.example.net/cgi-bin/FormMail.pl");
    EXPECT_EQ(page.Color, "kept");
}

} // namespace
} // namespace tarvin
