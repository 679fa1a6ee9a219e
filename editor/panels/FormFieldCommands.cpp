// The forms tab's commands on the form's fields: adding and editing through
// the field editor, removing, reordering, clearing, the ready-made fields of
// Fields.ini and the advanced options.

#include "editor/panels/FormsPanel.h"

#include "forms/FieldEditorBinding.h"
#include "forms/FieldKinds.h"
#include "forms/FieldListHelpers.h"
#include "forms/FieldsIni.h"
#include "forms/FormTexts.h"
#include "forms/RowList.h"
#include "forms/TfrmCommonFields.h"
#include "forms/TfrmFields.h"
#include "platform/CursorGuard.h"
#include "platform/Dialogs.h"
#include "platform/TextCodec.h"

#include <QPushButton>
#include <QToolButton>
#include <memory>

namespace tarvin {

using namespace form_texts;

void FormsPanel::popFormsTextBoxClick(TFieldKind kind)
{
    RunFieldEditor(kind, -1);
    btnFormClear->setEnabled(lvForms->RowCount() > 0);
}

void FormsPanel::btnFormEditClick()
{
    const int row = lvForms->SelectedRow();
    if (row >= 0)
        RunFieldEditor(RowKind(*lvForms->Row(row)), row);
}

void FormsPanel::RunFieldEditor(TFieldKind kind, int existingRow)
{
    std::unique_ptr<TfrmFields> editor;
    {
        const HourglassCursor building;
        editor = std::make_unique<TfrmFields>(dialogs_, window());
        editor->SetFieldKind(kind);
        if (const TFormElement* field = FieldAt(existingRow))
            LoadFieldIntoEditor(*field, *editor);
    }
    if (editor->exec() != QDialog::Accepted)
        return;
    const HourglassCursor storing;
    TFormElement* field = FieldAt(existingRow);
    if (existingRow < 0) {
        field = &document_().WebForm().Add();
        AddFieldRow(*lvForms, QString(), kind);
        existingRow = lvForms->RowCount() - 1;
    }
    if (!field)
        return;
    // A field keeps the kind it was made with.
    StoreFieldFromEditor(*editor, kind, *field);
    lvForms->Row(existingRow)->setText(0, FromDocumentText(field->Name));
    emit formChanged();
}

void FormsPanel::btnFormRemoveClick()
{
    const int row = lvForms->SelectedRow();
    if (row < 0 || dialogs_.Confirm(ConfirmDeleteField, true) != Answer::Yes)
        return;
    const int removed = RemoveSelectedRow(*lvForms, FormFieldNoun, dialogs_);
    if (FieldAt(removed)) {
        document_().WebForm().Delete(removed);
        emit formChanged();
    }
    btnFormClear->setEnabled(lvForms->RowCount() > 0);
}

void FormsPanel::MoveFocusedField(int step)
{
    const int row = lvForms->FocusedRow();
    const int target = row + step;
    if (row < 0 || !FieldAt(row) || !FieldAt(target))
        return;
    lvForms->SelectRow(row);
    ExchangeRows(*lvForms, target);
    document_().WebForm().Move(row, target);
    emit formChanged();
}

// A drop moves the dragged field to the target's place, the fields between
// shifting by one, in the list and in the form alike.
void FormsPanel::lvFormsDragDrop(RowList* source, int sourceRow, int targetRow)
{
    if (source != lvForms || targetRow < 0 || targetRow == sourceRow || !FieldAt(sourceRow) || !FieldAt(targetRow))
        return;
    lvForms->insertTopLevelItem(targetRow, lvForms->takeTopLevelItem(sourceRow));
    document_().WebForm().Move(sourceRow, targetRow);
    lvForms->SelectRow(targetRow);
    emit formChanged();
}

bool FormsPanel::ClearAllFields()
{
    if (lvForms->RowCount() == 0)
        return true;
    if (dialogs_.Confirm(ConfirmClearFields, true) != Answer::Yes)
        return false;
    lvForms->setUpdatesEnabled(false);
    lvForms->clear();
    lvForms->setUpdatesEnabled(true);
    document_().WebForm().Clear();
    for (QWidget* button : std::initializer_list<QWidget*>{btnFormClear, btnFormUp, btnFormDown, btnFormRemove, btnFormEdit})
        button->setEnabled(false);
    emit formChanged();
    return true;
}

void FormsPanel::btnFormBasicClick()
{
    std::unique_ptr<TfrmCommonFields> dialog;
    {
        const HourglassCursor building;
        dialog = std::make_unique<TfrmCommonFields>(dialogs_, window());
        dialog->SetMode(cmFieldList);
        dialog->LoadLists(IniFile(FieldsIniPath()));
    }
    if (dialog->exec() != QDialog::Accepted)
        return;
    if (dialog->Changed()) {
        IniFile fields(FieldsIniPath());
        SaveFieldList(DefaultFieldsSection, fields, *dialog->lvForms);
        // The form is then built from what the file still holds, which the
        // user must know is not the list just composed.
        if (!fields.Save())
            dialogs_.Error(QString(DefaultFieldsNotSaved).arg(QString::fromStdString(FieldsIniPath())));
    }
    LoadBasicFields();
}

void FormsPanel::LoadBasicFields()
{
    const HourglassCursor loading;
    btnFormBasic->setEnabled(false);
    if (ClearAllFields()) {
        const IniFile fields(FieldsIniPath());
        if (const auto entries = ReadFieldEntries(fields, DefaultFieldsSection)) {
            SetFieldRows(*lvForms, *entries);
            for (const FieldEntry& entry : *entries)
                AppendBasicField(document_().WebForm(), entry, fields);
            emit formChanged();
        }
    }
    btnFormBasic->setEnabled(true);
    btnFormClear->setEnabled(true);
}

void FormsPanel::btnFormOptionsClick()
{
    std::unique_ptr<TfrmCommonFields> dialog;
    {
        const HourglassCursor building;
        dialog = std::make_unique<TfrmCommonFields>(dialogs_, window());
        dialog->SetMode(cmAdvancedOptions);
        dialog->ShowOptions(document_());
    }
    if (dialog->exec() != QDialog::Accepted)
        return;
    dialog->StoreOptions(document_());
    emit formChanged();
}

std::string FormsPanel::FieldsIniPath() const
{
    return ToDocumentText(programFolder_) + FieldsIniName;
}

} // namespace tarvin
