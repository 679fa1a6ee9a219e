// The field editor's choices: the item panel that adds and edits them,
// deleting and reordering them, and the drop-down sample that lists them.

#include "forms/FieldListHelpers.h"
#include "forms/FormTexts.h"
#include "forms/RowList.h"
#include "forms/TfrmFields.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

namespace tarvin {

using namespace form_texts;

namespace {

enum ItemColumn { ValueColumn = 0, TextColumn = 1, MarkColumn = 2 };

} // namespace

void TfrmFields::UpdateItemButtons()
{
    const bool selected = lvDropDown->SelectedRow() >= 0;
    btnDelete->setEnabled(selected);
    btnEdit->setEnabled(selected);
}

void TfrmFields::btnAddClick(bool edit)
{
    if (edit) {
        const QTreeWidgetItem* row = lvDropDown->Row(lvDropDown->SelectedRow());
        if (!row)
            return;
        txtDropValue->setText(row->text(ValueColumn));
        txtDropText->setText(row->text(TextColumn));
        if (!row->text(MarkColumn).isEmpty())
            chkCheck->setChecked(row->text(MarkColumn) == Yes);
        editingItem_ = true;
    }
    upper_->setCurrentWidget(pnlDropText);
    txtDropValue->setFocus();
}

void TfrmFields::btnDropApplyClick(bool apply)
{
    if (apply) {
        QTreeWidgetItem* row = editingItem_ ? lvDropDown->Row(lvDropDown->SelectedRow()) : nullptr;
        if (!row) {
            row = new QTreeWidgetItem;
            lvDropDown->addTopLevelItem(row);
        }
        row->setText(TextColumn, txtDropText->text());
        row->setText(ValueColumn, txtDropValue->text());
        // At most one radio button starts selected.
        if (FieldKind() == TFieldKind::fkRadio && chkCheck->isChecked())
            for (int other = 0; other < lvDropDown->RowCount(); ++other)
                if (lvDropDown->Row(other)->text(MarkColumn) == Yes)
                    lvDropDown->Row(other)->setText(MarkColumn, No);
        row->setText(MarkColumn, chkCheck->isChecked() ? Yes : No);
    }
    RefillSampleDropDown();
    txtDropValue->clear();
    txtDropText->clear();
    chkCheck->setChecked(false);
    upper_->setCurrentWidget(pnlFieldText_);
    editingItem_ = false;
}

void TfrmFields::btnDeleteClick()
{
    const int row = lvDropDown->SelectedRow();
    if (row < 0 || dialogs_.Confirm(ConfirmDeleteItem, true) != Answer::Yes)
        return;
    const int removed = RemoveSelectedRow(*lvDropDown, DropDownItemNoun, dialogs_);
    auto* list = qobject_cast<QComboBox*>(sample_);
    if (list && removed >= 0)
        list->removeItem(removed);
}

void TfrmFields::lvDropDownDragDrop(RowList* source, int, int targetRow)
{
    if (source != lvDropDown || targetRow < 0)
        return;
    ExchangeRows(*lvDropDown, targetRow);
    RefillSampleDropDown();
}

void TfrmFields::RefillSampleDropDown()
{
    auto* list = qobject_cast<QComboBox*>(sample_);
    if (!list)
        return;
    list->clear();
    for (int row = 0; row < lvDropDown->RowCount(); ++row)
        list->addItem(lvDropDown->Row(row)->text(TextColumn));
    if (lvDropDown->RowCount() == 0)
        list->addItems({OneSelection, TwoSelection});
    list->setCurrentIndex(0);
}

} // namespace tarvin
