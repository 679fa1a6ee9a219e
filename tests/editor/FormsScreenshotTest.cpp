// Pictures of the form builder for the documentation: run with
// TARVIN_SCREENSHOTS set to the folder that receives forms-tab.png,
// field-editor.png, common-fields.png and form-options.png.

#include "EditorFixture.h"

#include "forms/FieldEditorBinding.h"
#include "forms/FieldsIni.h"
#include "forms/TfrmCommonFields.h"
#include "forms/TfrmFields.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace tarvin::testing {
namespace {

class FormsScreenshotTest : public EditorTest {};

TEST_F(FormsScreenshotTest, FormsTabAndItsDialogs)
{
    const QString target = qEnvironmentVariable("TARVIN_SCREENSHOTS");
    if (target.isEmpty())
        GTEST_SKIP() << "TARVIN_SCREENSHOTS not set";
    const IniFile fields(TARVIN_PROGRAM_FOLDER "Fields.ini");
    TPagelette& page = window->Document();
    const auto defaults = ReadFieldEntries(fields, DefaultFieldsSection);
    ASSERT_TRUE(defaults);
    for (const FieldEntry& entry : *defaults)
        AppendBasicField(page.WebForm(), entry, fields);
    TFormElement& contact = page.WebForm().Add();
    contact.FieldKind = TFieldKind::fkDropDown;
    contact.Name = "Contact Time";
    contact.Text = "Best time to call\r\n";
    contact.Strings = {"morning|Morning", "afternoon|Afternoon", "evening|Evening"};
    page.Email = "me@example.com";
    page.Subject = "From my page";
    DropFromPalette(TBlockType::btForms, BelowLastRow());
    window->pnlForms->AddFieldRows(page.WebForm());
    window->pnlForms->txtFormAddress->setText("me@example.com");
    window->pnlForms->txtFormSubject->setText("From my page");
    window->resize(900, 620);
    window->pnlForms->lvForms->SelectRow(6);
    QCoreApplication::processEvents();
    ASSERT_TRUE(window->grab().save(target + "/forms-tab.png"));

    TfrmFields editor(dialogs);
    editor.SetFieldKind(TFieldKind::fkDropDown);
    LoadFieldIntoEditor(contact, editor);
    editor.show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(editor.grab().save(target + "/field-editor.png"));

    TfrmCommonFields common(dialogs);
    common.LoadLists(fields);
    common.show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(common.grab().save(target + "/common-fields.png"));

    TfrmCommonFields options(dialogs);
    page.FormTitle = "Write to us";
    page.FormFooter = page.EmailAddress = page.AlphaSort = true;
    options.SetMode(cmAdvancedOptions);
    options.ShowOptions(page);
    options.show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(options.grab().save(target + "/form-options.png"));
}

} // namespace
} // namespace tarvin::testing
