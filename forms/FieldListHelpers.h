#pragma once
// The list helpers of the form builder, shared by the forms tab, the field
// editor and the common fields dialog. A field row shows the field's name,
// its kind's display name and its kind's icon; the kind rides on the row.

#include "document/WebForm.h"
#include "forms/FieldsIni.h"

#include <QString>
#include <string_view>

class QTreeWidgetItem;

namespace tarvin {

class Dialogs;
class IniFile;
class RowList;

// Appends a field row, or inserts it before row position.
QTreeWidgetItem* AddFieldRow(RowList& list, const QString& name, TFieldKind kind, int position = -1);
TFieldKind RowKind(const QTreeWidgetItem& row);

// Deletes the selected row unless it is the only one, which is refused with
// "There must be at least one %s." (noun in place of %s); the row holding the
// focus afterwards is selected. Without a selected row nothing happens.
// Returns the deleted row's position, -1 when none was deleted.
int RemoveSelectedRow(RowList& list, const QString& noun, Dialogs& dialogs);
// The selected row and the target row change places: captions, every column
// and icons. The target is then selected and focused.
void ExchangeRows(RowList& list, int target);

// Replaces the list's rows by the entries of a field list section; false,
// with the list unchanged, when the section is missing.
bool LoadFieldList(std::string_view section, const IniFile& ini, RowList& list);
// Writes the rows, in order, as the section's entries.
void SaveFieldList(std::string_view section, IniFile& ini, const RowList& list);
// Replaces the list's rows by one row per entry.
void SetFieldRows(RowList& list, const std::vector<FieldEntry>& entries);

} // namespace tarvin
