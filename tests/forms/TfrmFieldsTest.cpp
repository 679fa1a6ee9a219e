// The field editor driven by mouse and keyboard: the arrangement per kind, the
// name rule, the item panel, the sample, and the binding to a form field.
#include "forms/FieldEditorBinding.h"
#include "forms/FormTexts.h"
#include "forms/RowList.h"
#include "forms/TfrmFields.h"
#include "platform/HelpTopicTag.h"
#include "support/RowListInput.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace tarvin {
namespace {

using testing::ScriptedDialogs;
using Kind = ScriptedDialogs::Kind;
using K = TFieldKind;

class TfrmFieldsTest : public ::testing::Test {
protected:
    void Open(TFieldKind kind)
    {
        editor.SetFieldKind(kind);
        editor.show();
        QApplication::setActiveWindow(&editor);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    }

    static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    void ClickRow(int row) { testing::ClickRow(*editor.lvDropDown, row); }
    // Through the item panel, as a user adds a choice.
    void AddItem(const QString& value, const QString& text, bool ticked = false)
    {
        Click(editor.btnAdd);
        ASSERT_TRUE(editor.pnlDropText->isVisible());
        QTest::keyClicks(editor.txtDropValue, value);
        QTest::keyClicks(editor.txtDropText, text);
        if (ticked)
            testing::ClickTick(editor.chkCheck);
        Click(editor.btnDropApply);
    }
    QStringList Rows() const
    {
        QStringList rows;
        for (int row = 0; row < editor.lvDropDown->RowCount(); ++row) {
            const QTreeWidgetItem* item = editor.lvDropDown->Row(row);
            rows << item->text(0) + "|" + item->text(1) + "|" + item->text(2);
        }
        return rows;
    }
    QStringList SampleEntries() const
    {
        QStringList entries;
        if (auto* list = qobject_cast<QComboBox*>(editor.Sample()))
            for (int i = 0; i < list->count(); ++i)
                entries << list->itemText(i);
        return entries;
    }

    ScriptedDialogs dialogs;
    TfrmFields editor{dialogs};
};

TEST_F(TfrmFieldsTest, NewFieldIsUntitledAndTheCaptionFollowsTheTypedName)
{
    Open(K::fkRadio);
    EXPECT_EQ(editor.txtName->text(), "Untitled");
    EXPECT_EQ(editor.windowTitle(), "Form Field (Radio Button) - Untitled");
    EXPECT_EQ(editor.lblSample->text(), "Here is a sample of a Radio Button");
    for (QWidget* box : std::initializer_list<QWidget*>{editor.txtText, editor.txtName, editor.txtValue})
        EXPECT_EQ(HelpContextOf(box), 206);

    editor.txtName->setFocus();
    QTest::keyClick(editor.txtName, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor.txtName, Qt::Key_C);
    EXPECT_EQ(editor.windowTitle(), "Form Field (Radio Button) - c");
    QTest::keyClicks(editor.txtName, "olour");
    EXPECT_EQ(editor.windowTitle(), "Form Field (Radio Button) - colour");
}

TEST_F(TfrmFieldsTest, LeavingAnEmptyNameBringsBackUntitled)
{
    Open(K::fkText);
    editor.txtName->setFocus();
    QTest::keyClick(editor.txtName, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor.txtName, Qt::Key_Backspace);
    EXPECT_TRUE(dialogs.calls.empty());  // typing may empty the box
    QTest::keyClick(editor.txtName, Qt::Key_Tab);
    ASSERT_EQ(dialogs.CallsOf(Kind::Information).size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text,
              "The Name field is a required field. Please include a unique name for the field.");
    EXPECT_EQ(editor.txtName->text(), "Untitled");
    EXPECT_EQ(editor.windowTitle(), "Form Field (Text Box) - Untitled");
}

TEST_F(TfrmFieldsTest, EachKindArrangesItsControlsAndSample)
{
    struct Case {
        TFieldKind kind;
        bool size, rowsAndCols, items, tick;
        const char* sampleClass;  // none for a button
        const char* markColumn;
    };
    for (const Case& c : {Case{K::fkText, true, false, false, false, "QLineEdit", ""},
                          Case{K::fkTextArea, false, true, false, false, "QPlainTextEdit", ""},
                          Case{K::fkRadio, false, false, true, true, "QRadioButton", "Selected"},
                          Case{K::fkCheckBox, false, false, true, true, "QCheckBox", "Checked"},
                          Case{K::fkDropDown, false, false, true, false, "QComboBox", ""},
                          Case{K::fkButton, false, false, false, false, nullptr, ""}}) {
        ScriptedDialogs prompts;
        TfrmFields dialog(prompts);
        dialog.SetFieldKind(c.kind);
        dialog.show();
        const int kind = static_cast<int>(c.kind);
        EXPECT_EQ(dialog.cbSize->isVisible(), c.size) << kind;
        EXPECT_EQ(dialog.pnlTextArea->isVisible(), c.rowsAndCols) << kind;
        EXPECT_EQ(dialog.txtValue->isEnabled(), c.kind != K::fkTextArea) << kind;
        EXPECT_EQ(dialog.pnlDropDown->isVisible(), c.items) << kind;
        EXPECT_EQ(dialog.chkCheck->isVisibleTo(dialog.pnlDropText), c.tick) << kind;
        EXPECT_EQ(dialog.lvDropDown->headerItem()->text(2), c.markColumn) << kind;
        EXPECT_EQ(HelpContextOf(dialog.txtValue), 204 + kind);
        if (!c.sampleClass) {
            EXPECT_EQ(dialog.Sample(), nullptr);
            continue;
        }
        ASSERT_NE(dialog.Sample(), nullptr) << kind;
        EXPECT_STREQ(dialog.Sample()->metaObject()->className(), c.sampleClass);
        EXPECT_TRUE(dialog.Sample()->isVisible()) << kind;
        // Beside the "Webpage Text" label, ten pixels after its right edge.
        EXPECT_EQ(dialog.Sample()->x(), dialog.lblPageText->x() + dialog.lblPageText->width() + 10) << kind;
    }
}

TEST_F(TfrmFieldsTest, TextBoxSampleShowsTheValueAsTyped)
{
    Open(K::fkText);
    QTest::keyClicks(editor.txtValue, "Your name");
    EXPECT_EQ(qobject_cast<QLineEdit*>(editor.Sample())->text(), "Your name");
}

TEST_F(TfrmFieldsTest, DropDownSampleListsTheItemsInTheirOrder)
{
    Open(K::fkDropDown);
    EXPECT_EQ(editor.lblSample->text(), "Here is a sample of a Drop Down");
    EXPECT_EQ(SampleEntries(), (QStringList{"One Selection", "Two Selection"}));
    AddItem("CA", "California");
    EXPECT_EQ(SampleEntries(), QStringList{"California"});
    AddItem("NY", "New York");
    AddItem("WA", "Washington");
    EXPECT_EQ(Rows(), (QStringList{"CA|California|No", "NY|New York|No", "WA|Washington|No"}));

    // Dropping one row on another exchanges the two.
    testing::DragRow(*editor.lvDropDown, 2, 0);
    EXPECT_EQ(Rows(), (QStringList{"WA|Washington|No", "NY|New York|No", "CA|California|No"}));
    EXPECT_EQ(SampleEntries(), (QStringList{"Washington", "New York", "California"}));
    EXPECT_EQ(editor.lvDropDown->SelectedRow(), 0);
}

TEST_F(TfrmFieldsTest, OnlyOneRadioButtonStartsSelectedWhileCheckBoxesMayAll)
{
    for (const TFieldKind kind : {K::fkRadio, K::fkCheckBox}) {
        ScriptedDialogs prompts;
        TfrmFields dialog(prompts);
        dialog.SetFieldKind(kind);
        dialog.show();
        for (const char* value : {"a", "b", "c"}) {
            QTest::mouseClick(dialog.btnAdd, Qt::LeftButton);
            QTest::keyClicks(dialog.txtDropValue, value);
            if (value[0] != 'b')
                testing::ClickTick(dialog.chkCheck);
            QTest::mouseClick(dialog.btnDropApply, Qt::LeftButton);
        }
        QStringList marks;
        for (int row = 0; row < dialog.lvDropDown->RowCount(); ++row)
            marks << dialog.lvDropDown->Row(row)->text(2);
        EXPECT_EQ(marks, kind == K::fkRadio ? QStringList({"No", "No", "Yes"}) : QStringList({"Yes", "No", "Yes"}));
    }
    EXPECT_EQ(editor.chkCheck->text(), "Chec&ked");
}

TEST_F(TfrmFieldsTest, ApplyFollowsTheBoxChangedLastAndCancelAddsNothing)
{
    Open(K::fkDropDown);
    Click(editor.btnAdd);
    EXPECT_FALSE(editor.btnDropApply->isEnabled());
    QTest::keyClicks(editor.txtDropValue, "x");
    EXPECT_TRUE(editor.btnDropApply->isEnabled());
    QTest::keyClick(editor.txtDropValue, Qt::Key_Backspace);
    EXPECT_FALSE(editor.btnDropApply->isEnabled());
    QTest::keyClicks(editor.txtDropText, "Text only");
    EXPECT_TRUE(editor.btnDropApply->isEnabled());
    Click(editor.btnDropApply);
    EXPECT_EQ(Rows(), QStringList{"|Text only|No"});
    EXPECT_FALSE(editor.pnlDropText->isVisible());
    EXPECT_TRUE(editor.txtDropValue->text().isEmpty() && editor.txtDropText->text().isEmpty());
    EXPECT_FALSE(editor.btnDropApply->isEnabled());

    Click(editor.btnAdd);
    QTest::keyClicks(editor.txtDropValue, "dropped");
    Click(editor.btnDropCancel);
    EXPECT_EQ(Rows(), QStringList{"|Text only|No"});
    EXPECT_EQ(SampleEntries(), QStringList{"Text only"});
}

TEST_F(TfrmFieldsTest, EditingALoadedItemByDoubleClickAndByEnter)
{
    TFormElement field;
    field.FieldKind = K::fkDropDown;
    field.Name = "State";
    field.Strings = {"ca|California", "ny|New York"};
    LoadFieldIntoEditor(field, editor);
    Open(K::fkDropDown);
    EXPECT_EQ(editor.txtName->text(), "State");
    EXPECT_EQ(SampleEntries(), (QStringList{"California", "New York"}));
    EXPECT_FALSE(editor.btnEdit->isEnabled());

    testing::DoubleClickRow(*editor.lvDropDown, 0);
    EXPECT_TRUE(editor.btnEdit->isEnabled());
    ASSERT_TRUE(editor.pnlDropText->isVisible());
    EXPECT_TRUE(editor.EditingItem());
    EXPECT_EQ(editor.txtDropValue->text(), "ca");
    EXPECT_EQ(editor.txtDropText->text(), "California");
    QTest::keyClicks(editor.txtDropText, " (CA)");
    Click(editor.btnDropApply);
    EXPECT_EQ(Rows(), (QStringList{"ca|California (CA)|No", "ny|New York|"}));
    EXPECT_EQ(SampleEntries(), (QStringList{"California (CA)", "New York"}));

    ClickRow(1);
    editor.lvDropDown->setFocus();
    QTest::keyClick(editor.lvDropDown, Qt::Key_Return);
    EXPECT_TRUE(editor.isVisible());  // Enter edits the item; it does not press OK
    EXPECT_EQ(editor.txtDropValue->text(), "ny");
    Click(editor.btnDropCancel);
    EXPECT_FALSE(editor.EditingItem());
}

TEST_F(TfrmFieldsTest, DeletingItemsAsksAndKeepsTheLastOne)
{
    Open(K::fkDropDown);
    AddItem("a", "Apple");
    ClickRow(0);
    editor.lvDropDown->setFocus();
    dialogs.Answering(Answer::Yes);
    QTest::keyClick(editor.lvDropDown, Qt::Key_Delete);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].text, "Do you want to delete the seleted item?");
    EXPECT_TRUE(dialogs.calls[0].withCancel);
    EXPECT_EQ(dialogs.calls[1].text, "There must be at least one item in the drop down box..");
    EXPECT_EQ(Rows().size(), 1);

    AddItem("b", "Banana");
    AddItem("c", "Cherry");
    ClickRow(1);
    for (const Answer answer : {Answer::No, Answer::Cancel}) {
        dialogs.Answering(answer);
        Click(editor.btnDelete);
    }
    EXPECT_EQ(Rows().size(), 3);
    dialogs.Answering(Answer::Yes);
    Click(editor.btnDelete);
    EXPECT_EQ(Rows(), (QStringList{"a|Apple|No", "c|Cherry|No"}));
    EXPECT_EQ(SampleEntries(), (QStringList{"Apple", "Cherry"}));
    EXPECT_EQ(editor.lvDropDown->SelectedRow(), 1);
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

TEST_F(TfrmFieldsTest, StoringKeepsOtherSettingsAndTakesBarsOutOfItems)
{
    TFormElement box;
    box.FieldKind = K::fkText;
    box.Name = "E Mail";
    box.Text = "Your\r\ne-mail\r\n";
    box.Strings = {"Size=30", "Maxlength=100"};
    LoadFieldIntoEditor(box, editor);
    Open(K::fkText);
    EXPECT_EQ(editor.cbSize->currentText(), "30");
    EXPECT_EQ(editor.txtText->toPlainText(), "Your\ne-mail");
    editor.cbSize->setFocus();
    QTest::keyClick(editor.cbSize, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor.cbSize, "40");
    StoreFieldFromEditor(editor, K::fkText, box);
    EXPECT_EQ(box.Strings, (StringLines{"Size=40", "Maxlength=100"}));
    EXPECT_EQ(box.Text, "Your\r\ne-mail\r\n");
    EXPECT_EQ(box.Name, "E Mail");

    ScriptedDialogs prompts;
    TfrmFields choices(prompts);
    choices.SetFieldKind(K::fkCheckBox);
    choices.show();
    QTest::mouseClick(choices.btnAdd, Qt::LeftButton);
    QTest::keyClicks(choices.txtDropValue, "ice|cream");
    QTest::keyClicks(choices.txtDropText, "Ice | Cream");
    testing::ClickTick(choices.chkCheck);
    QTest::mouseClick(choices.btnDropApply, Qt::LeftButton);
    TFormElement likes;
    likes.Strings = {"old|Old|No"};
    StoreFieldFromEditor(choices, K::fkCheckBox, likes);
    EXPECT_EQ(likes.FieldKind, K::fkCheckBox);
    EXPECT_EQ(likes.Strings, StringLines{"icecream|Ice  Cream|Yes"});
    EXPECT_EQ(likes.Name, "Untitled");
    EXPECT_EQ(likes.Text, "");
}

} // namespace
} // namespace tarvin
