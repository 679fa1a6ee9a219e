// The forms tab driven by mouse and keys: adding, editing, removing and
// reordering fields, clearing, the ready-made fields of Fields.ini and the
// advanced options, with the list and the page's form kept in step.

#include "EditorFixture.h"

#include "document/FormMarkup.h"
#include "forms/FieldKinds.h"
#include "forms/FieldListHelpers.h"
#include "forms/TfrmCommonFields.h"
#include "forms/TfrmFields.h"
#include "support/RowListInput.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace tarvin::testing {
namespace {

using Kind = ScriptedDialogs::Kind;
using K = TFieldKind;

class FormsTabTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        DropFromPalette(TBlockType::btForms, BelowLastRow());
        ASSERT_TRUE(Shows(window->pnlForms));
    }

    FormsPanel& Tab() const { return *window->pnlForms; }
    RowList& Fields() const { return *window->pnlForms->lvForms; }
    TWebForm& Form() const { return window->Document().WebForm(); }

    // Runs drive on the dialog the next command opens, and closes it if drive
    // left it open, so that a failing step cannot hang the test.
    template <class Dialog>
    void WhenShown(std::function<void(Dialog&)> drive)
    {
        QTimer::singleShot(0, window.get(), [drive] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "the dialog did not open";
                return;
            }
            drive(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }

    static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    static void ChooseEntry(QMenu* menu, QAction* entry)
    {
        ASSERT_TRUE(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    }
    QStringList VisibleEntries() const
    {
        QStringList entries;
        for (const QAction* action : Tab().popForms->actions())
            if (action->isVisible() && !action->isSeparator())
                entries << action->text();
        return entries;
    }

    // Adds a field through the Add button's menu and the field editor.
    void AddField(int entry, const QString& name, const std::function<void(TfrmFields&)>& more = {})
    {
        Click(Tab().btnFormAdd);
        WhenShown<TfrmFields>([name, more](TfrmFields& editor) {
            QTest::keyClick(editor.txtName, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(editor.txtName, name);
            if (more)
                more(editor);
            Click(editor.btnOK);
        });
        ChooseEntry(Tab().popForms, Tab().popForms->actions().at(entry));
    }

    // The rows and the form's fields as "name/kind" lines, which must agree.
    QStringList Rows() const
    {
        QStringList rows;
        for (int row = 0; row < Fields().RowCount(); ++row)
            rows << Fields().Row(row)->text(0) + "/" + Fields().Row(row)->text(1);
        return rows;
    }
    QStringList FormFields() const
    {
        QStringList fields;
        for (const auto& field : Form())
            fields << QString::fromStdString(field->Name) + "/" + FieldKindCaption(field->FieldKind);
        return fields;
    }
    void Put(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            Form().Add().Name = name;
        Fields().clear();
        Tab().AddFieldRows(Form());
    }

    void WriteFieldsIni(const QByteArray& text)
    {
        QFile file(PathOf("Fields.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    QByteArray ReadFieldsIni() const
    {
        QFile file(PathOf("Fields.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(FormsTabTest, AddMenuOffersTheKindsAndAnAddedFieldGetsItsRow)
{
    EXPECT_FALSE(Tab().btnFormClear->isEnabled());
    AddField(0, "Phone", [](TfrmFields& editor) {
        EXPECT_EQ(editor.windowTitle(), "Form Field (Text Box) - Phone");
        editor.cbSize->setCurrentText("12");
        QTest::keyClicks(editor.txtText, "Your phone");
    });
    EXPECT_EQ(VisibleEntries(), (QStringList{"Text &Box", "Text &Area", "&Radio Button", "&Check Box", "&Drop Down List"}));
    EXPECT_EQ(Rows(), QStringList{"Phone/Text Box"});
    EXPECT_EQ(RowKind(*Fields().Row(0)), K::fkText);
    EXPECT_EQ(FormFields(), Rows());
    EXPECT_EQ(Form().Items(0).Strings, StringLines{"Size=12"});
    EXPECT_EQ(Form().Items(0).Text, "Your phone\r\n");
    EXPECT_TRUE(Tab().btnFormClear->isEnabled());

    // Cancel adds nothing.
    Click(Tab().btnFormAdd);
    WhenShown<TfrmFields>([](TfrmFields& editor) { Click(editor.btnCancel); });
    ChooseEntry(Tab().popForms, Tab().popForms->actions().at(1));
    EXPECT_EQ(Rows(), QStringList{"Phone/Text Box"});
    EXPECT_EQ(Form().Count(), 1);
}

// The tab changes the form without a store of the panel: after a save, such a
// change alone must still count, or closing would drop it without asking.
TEST_F(FormsTabTest, ChangesToTheFormCountAsChangesToThePage)
{
    dialogs.ChoosingFile(PathOf("Upload/form.html"));
    window->mnuSaveClick();
    ASSERT_FALSE(window->Modified());
    AddField(0, "Phone");
    EXPECT_TRUE(window->Modified());

    dialogs.ChoosingFile(PathOf("Upload/form.html"));
    window->mnuSaveClick();
    WhenShown<TfrmCommonFields>([](TfrmCommonFields& dialog) { Click(dialog.btnCancel); });
    Click(Tab().btnFormOptions);
    EXPECT_FALSE(window->Modified());
    WhenShown<TfrmCommonFields>([](TfrmCommonFields& dialog) { Click(dialog.btnOk); });
    Click(Tab().btnFormOptions);
    EXPECT_TRUE(window->Modified());
}

TEST_F(FormsTabTest, EditingByDoubleClickEnterAndTheListMenuKeepsTheKind)
{
    AddField(4, "Colour", [](TfrmFields& editor) {
        QTest::mouseClick(editor.btnAdd, Qt::LeftButton);
        QTest::keyClicks(editor.txtDropValue, "r");
        QTest::keyClicks(editor.txtDropText, "Red");
        QTest::mouseClick(editor.btnDropApply, Qt::LeftButton);
    });
    ASSERT_EQ(Form().Items(0).Strings, StringLines{"r|Red"});

    WhenShown<TfrmFields>([](TfrmFields& editor) {
        EXPECT_EQ(editor.FieldKind(), K::fkDropDown);
        EXPECT_EQ(editor.txtName->text(), "Colour");
        EXPECT_EQ(editor.lvDropDown->RowCount(), 1);
        QTest::keyClicks(editor.txtName, "s");
        Click(editor.btnOK);
    });
    DoubleClickRow(Fields(), 0);
    WhenShown<TfrmFields>([](TfrmFields& editor) {
        EXPECT_EQ(editor.txtName->text(), "Colours");
        Click(editor.btnCancel);
    });
    Fields().setFocus();
    QTest::keyClick(&Fields(), Qt::Key_Return);
    EXPECT_EQ(Rows(), QStringList{"Colours/Drop Down"});
    EXPECT_EQ(Form().Items(0).Name, "Colours");
    EXPECT_EQ(Form().Items(0).Strings, StringLines{"r|Red"});

    // As the list's context menu, popForms shows the field commands.
    WhenShown<TfrmFields>([](TfrmFields& editor) { EXPECT_EQ(editor.txtName->text(), "Colours"); });
    QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, RowCenter(Fields(), 0),
                                  Fields().viewport()->mapToGlobal(RowCenter(Fields(), 0)));
    QApplication::sendEvent(Fields().viewport(), &menuRequest);
    EXPECT_EQ(VisibleEntries().mid(5), (QStringList{"&Edit Field", "&Delete Field", "Move Field &Up", "Move Field Do&wn"}));
    EXPECT_TRUE(Tab().mnuEditField->isEnabled());
    EXPECT_FALSE(Tab().mnuMoveUp->isEnabled());
    ChooseEntry(Tab().popForms, Tab().mnuEditField);
}

TEST_F(FormsTabTest, DeleteKeyAsksAndKeepsTheLastField)
{
    Put({"A", "B"});
    Fields().setFocus();
    QTest::keyClick(&Fields(), Qt::Key_Delete);  // no row selected: nothing is asked
    EXPECT_TRUE(dialogs.calls.empty());

    ClickRow(Fields(), 0);
    for (const Answer answer : {Answer::No, Answer::Cancel}) {
        dialogs.Answering(answer);
        QTest::keyClick(&Fields(), Qt::Key_Delete);
    }
    EXPECT_EQ(Rows().size(), 2);
    dialogs.Answering(Answer::Yes);
    QTest::keyClick(&Fields(), Qt::Key_Delete);
    EXPECT_EQ(Rows(), QStringList{"B/Text Box"});
    EXPECT_EQ(FormFields(), Rows());
    EXPECT_EQ(Fields().SelectedRow(), 0);

    dialogs.Answering(Answer::Yes);
    Click(Tab().btnFormRemove);
    EXPECT_EQ(dialogs.Texts().mid(3), (QStringList{"Do you want to delete the selected field?",
                                                   "There must be at least one form field."}));
    EXPECT_EQ(dialogs.calls[0].withCancel, true);
    EXPECT_EQ(FormFields(), QStringList{"B/Text Box"});
}

TEST_F(FormsTabTest, MoveButtonsFollowTheSelectionAndMoveListAndMarkupAlike)
{
    Put({"First", "Second", "Third"});
    EXPECT_FALSE(Tab().btnFormUp->isEnabled() || Tab().btnFormDown->isEnabled() || Tab().btnFormEdit->isEnabled());
    ClickRow(Fields(), 0);
    EXPECT_FALSE(Tab().btnFormUp->isEnabled());
    EXPECT_TRUE(Tab().btnFormDown->isEnabled() && Tab().btnFormRemove->isEnabled() && Tab().btnFormEdit->isEnabled());
    ClickRow(Fields(), 2);
    EXPECT_TRUE(Tab().btnFormUp->isEnabled());
    EXPECT_FALSE(Tab().btnFormDown->isEnabled());

    ClickRow(Fields(), 1);
    Click(Tab().btnFormUp);
    EXPECT_EQ(Rows(), (QStringList{"Second/Text Box", "First/Text Box", "Third/Text Box"}));
    EXPECT_EQ(FormFields(), Rows());
    EXPECT_EQ(Fields().SelectedRow(), 0);
    const std::string html = GetFormHtml(window->Document());
    EXPECT_LT(html.find("NAME=\"second\""), html.find("NAME=\"first\""));

    Click(Tab().btnFormDown);
    Click(Tab().btnFormDown);
    EXPECT_EQ(Rows(), (QStringList{"First/Text Box", "Third/Text Box", "Second/Text Box"}));
    EXPECT_EQ(FormFields(), Rows());
}

TEST_F(FormsTabTest, DraggingAFieldMovesItInTheListAndTheFormAlike)
{
    Put({"A", "B", "C", "D"});
    testing::DragRow(Fields(), 0, 2);
    EXPECT_EQ(Rows(), (QStringList{"B/Text Box", "C/Text Box", "A/Text Box", "D/Text Box"}));
    EXPECT_EQ(FormFields(), Rows());
    EXPECT_EQ(Fields().SelectedRow(), 2);
    testing::DragRow(Fields(), 3, 0);
    EXPECT_EQ(Rows(), (QStringList{"D/Text Box", "B/Text Box", "C/Text Box", "A/Text Box"}));
    EXPECT_EQ(FormFields(), Rows());

    // Nothing moves over empty space or on the dragged row itself.
    testing::DragRow(Fields(), 1, Fields(), QPoint(10, Fields().viewport()->height() - 3));
    testing::DragRow(Fields(), 1, 1);
    EXPECT_EQ(FormFields(), (QStringList{"D/Text Box", "B/Text Box", "C/Text Box", "A/Text Box"}));
}

TEST_F(FormsTabTest, ClearAllAsksAndEmptiesBoth)
{
    Put({"A", "B"});
    SelectRow(0);
    SelectRow(static_cast<int>(ItemTypes().size()) - 1);
    ASSERT_TRUE(Tab().btnFormClear->isEnabled());
    ClickRow(Fields(), 1);
    dialogs.Answering(Answer::No);
    Click(Tab().btnFormClear);
    EXPECT_EQ(Form().Count(), 2);
    dialogs.Answering(Answer::Yes);
    Click(Tab().btnFormClear);
    EXPECT_EQ(dialogs.Texts(), QStringList(2, "Do you want to clear ALL the forms fields?"));
    EXPECT_EQ(Form().Count(), 0);
    EXPECT_EQ(Fields().RowCount(), 0);
    for (QWidget* button : std::initializer_list<QWidget*>{Tab().btnFormClear, Tab().btnFormUp, Tab().btnFormDown,
                                                          Tab().btnFormRemove, Tab().btnFormEdit})
        EXPECT_FALSE(button->isEnabled());
}

const QByteArray FieldsIni = "; shipped\r\n"
                             "[Default Fields]\r\nFIELD0=Name|0\r\nFIELD1=Comments|1\r\nFIELD2=Colour|2\r\n\r\n"
                             "[Field Bank]\r\nFIELD0=Phone|0\r\nFIELD1=Name|0\r\n\r\n"
                             "[Colour]\r\nColour0=r|Red|Yes\r\nColour1=g|Green|No\r\n";

TEST_F(FormsTabTest, BasicFieldsOnAnEmptyFormAskNothingAndWriteNothingUnchanged)
{
    WriteFieldsIni(FieldsIni);
    WhenShown<TfrmCommonFields>([](TfrmCommonFields& dialog) {
        EXPECT_EQ(dialog.lvForms->RowCount(), 3);
        Click(dialog.btnOk);
    });
    Click(Tab().btnFormBasic);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(ReadFieldsIni(), FieldsIni);
    EXPECT_EQ(Rows(), (QStringList{"Name/Text Box", "Comments/Text Area", "Colour/Radio Button"}));
    EXPECT_EQ(FormFields(), Rows());
    EXPECT_EQ(Form().Items(1).Strings, (StringLines{"Cols=30", "Rows=15"}));
    EXPECT_EQ(Form().Items(1).Text, "Comments");
    EXPECT_EQ(Form().Items(2).Strings, (StringLines{"r|Red|Yes", "g|Green|No"}));
    EXPECT_TRUE(Tab().btnFormBasic->isEnabled() && Tab().btnFormClear->isEnabled());
}

TEST_F(FormsTabTest, BasicFieldsAnsweredNoOrCancelKeepEveryField)
{
    WriteFieldsIni(FieldsIni);
    Put({"Mine"});
    for (const Answer answer : {Answer::No, Answer::Cancel, Answer::Yes}) {
        dialogs.Answering(answer);
        WhenShown<TfrmCommonFields>([](TfrmCommonFields& dialog) { Click(dialog.btnOk); });
        Click(Tab().btnFormBasic);
        if (answer != Answer::Yes) {
            EXPECT_EQ(FormFields(), QStringList{"Mine/Text Box"});
        }
        EXPECT_TRUE(Tab().btnFormBasic->isEnabled());
    }
    EXPECT_EQ(FormFields().size(), 3);

    // Cancel in the dialog neither asks nor changes anything.
    WhenShown<TfrmCommonFields>([](TfrmCommonFields& dialog) { Click(dialog.btnCancel); });
    Click(Tab().btnFormBasic);
    EXPECT_EQ(FormFields().size(), 3);
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

TEST_F(FormsTabTest, AChangedListIsWrittenToFieldsIniAndBuildsTheForm)
{
    WriteFieldsIni(FieldsIni);
    WhenShown<TfrmCommonFields>([](TfrmCommonFields& dialog) {
        testing::DragRow(*dialog.lvFieldBank, 0, *dialog.lvForms, RowCenter(*dialog.lvForms, 1));
        Click(dialog.btnOk);
    });
    Click(Tab().btnFormBasic);
    EXPECT_EQ(ReadFieldsIni(), "; shipped\r\n"
                               "[Default Fields]\r\nFIELD0=Name|0\r\nFIELD1=Phone|0\r\nFIELD2=Comments|1\r\n"
                               "FIELD3=Colour|2\r\n\r\n"
                               "[Field Bank]\r\nFIELD0=Phone|0\r\nFIELD1=Name|0\r\n\r\n"
                               "[Colour]\r\nColour0=r|Red|Yes\r\nColour1=g|Green|No\r\n");
    EXPECT_EQ(Rows(), (QStringList{"Name/Text Box", "Phone/Text Box", "Comments/Text Area", "Colour/Radio Button"}));
    EXPECT_EQ(FormFields(), Rows());
}

TEST_F(FormsTabTest, WithoutFieldsIniTheBuiltInListIsWrittenAndUsed)
{
    WhenShown<TfrmCommonFields>([](TfrmCommonFields& dialog) { Click(dialog.btnOk); });
    Click(Tab().btnFormBasic);
    EXPECT_TRUE(ReadFieldsIni().startsWith("[Default Fields]\r\nFIELD0=Name|0\r\nFIELD1=E-Mail|0\r\n"));
    EXPECT_EQ(FormFields().size(), 6);
    EXPECT_EQ(FormFields().at(4), "State/Drop Down");
    EXPECT_TRUE(Form().Items(4).Strings.empty());
}

TEST_F(FormsTabTest, AListThatCannotBeSavedIsReported)
{
    // A folder where the file should be: it can be neither read nor written.
    ASSERT_TRUE(QDir(folder.path()).mkdir("Fields.ini"));
    WhenShown<TfrmCommonFields>([](TfrmCommonFields& dialog) {
        QTest::mouseClick(dialog.btnReset, Qt::LeftButton);
        Click(dialog.btnOk);
    });
    Click(Tab().btnFormBasic);
    ASSERT_EQ(dialogs.CallsOf(Kind::Error).size(), 1u);
    EXPECT_TRUE(dialogs.calls[0].text.startsWith("The default fields could not be saved in " + PathOf("Fields.ini")));
    EXPECT_EQ(Form().Count(), 0);
}

TEST_F(FormsTabTest, AdvancedOptionsReachTheDocumentOnOkOnly)
{
    window->Document().Border = true;
    WhenShown<TfrmCommonFields>([](TfrmCommonFields& dialog) {
        EXPECT_TRUE(dialog.chkUseBorder->isChecked());
        ClickTick(dialog.chkSort);
        QTest::keyClicks(dialog.txtFormTitle, "Tell us");
        Click(dialog.btnCancel);
    });
    Click(Tab().btnFormOptions);
    EXPECT_FALSE(window->Document().AlphaSort);
    EXPECT_EQ(window->Document().FormTitle, "");

    WhenShown<TfrmCommonFields>([](TfrmCommonFields& dialog) {
        ClickTick(dialog.chkSort);
        QTest::keyClicks(dialog.txtFormHandler, "/cgi-bin/mail.pl");
        Click(dialog.btnOk);
    });
    Click(Tab().btnFormOptions);
    EXPECT_TRUE(window->Document().AlphaSort && window->Document().Border);
    EXPECT_EQ(window->Document().FormHandler, "/cgi-bin/mail.pl");
}

// A user builds a form and saves the page: the published copy holds the form.
TEST_F(FormsTabTest, BuiltFormIsOnTheSavedPage)
{
    ASSERT_TRUE(QFile::copy(TARVIN_PROGRAM_FOLDER "Fields.ini", PathOf("Fields.ini")));
    WhenShown<TfrmCommonFields>([](TfrmCommonFields& dialog) { Click(dialog.btnOk); });
    Click(Tab().btnFormBasic);
    ASSERT_EQ(Form().Count(), 6);

    AddField(4, "Contact Time", [](TfrmFields& editor) {
        for (const char* time : {"Morning", "Afternoon", "Evening"}) {
            QTest::mouseClick(editor.btnAdd, Qt::LeftButton);
            QTest::keyClicks(editor.txtDropValue, QString(time).toLower());
            QTest::keyClicks(editor.txtDropText, time);
            QTest::mouseClick(editor.btnDropApply, Qt::LeftButton);
        }
        QTest::keyClicks(editor.txtText, "Best time to call");
    });
    WhenShown<TfrmCommonFields>([](TfrmCommonFields& dialog) {
        QTest::keyClicks(dialog.txtFormTitle, "Write to us");
        ClickTick(dialog.chkFooter);
        ClickTick(dialog.chkSort);
        Click(dialog.btnOk);
    });
    Click(Tab().btnFormOptions);
    QTest::keyClicks(Tab().txtFormAddress, "me@example.com");
    QTest::keyClicks(Tab().txtFormSubject, "From my page");

    dialogs.ChoosingFile(PathOf("Upload/contact.html"));
    window->mnuSaveClick();
    QFile published(PathOf("Upload/contact.html"));
    ASSERT_TRUE(published.open(QIODevice::ReadOnly));
    const QByteArray page = published.readAll();
    for (const char* part : {"<FORM ACTION=\"/cgi-bin/FormMail.pl\" METHOD=\"POST\">\r\n",
                             "<INPUT TYPE=\"HIDDEN\" NAME=\"recipient\" VALUE=\"me@example.com\">",
                             "<INPUT TYPE=\"HIDDEN\" NAME=\"subject\" VALUE=\"From my page\">",
                             "<INPUT TYPE=\"HIDDEN\" NAME=\"sort\" VALUE=\"alphabetic\">",
                             "<B>Write to us</B>",
                             "<INPUT NAME=\"e-mail\" VALUE=\"\" SIZE=\"30\">",
                             "<OPTION VALUE=\"QC\">Quebec",
                             "Best time to call<BR>",
                             "<SELECT NAME=\"contact_time\">\r\n<OPTION VALUE=\"\">Select\r\n<OPTION VALUE=\"\">----------\r\n"
                             "<OPTION VALUE=\"morning\">Morning\r\n<OPTION VALUE=\"afternoon\">Afternoon\r\n"
                             "<OPTION VALUE=\"evening\">Evening\r\n</SELECT>",
                             "<a href=\"mailto:me@example.com\">me@example.com</a>."})
        EXPECT_TRUE(page.contains(part)) << part;
}

} // namespace
} // namespace tarvin::testing
