#include "forms/FieldListHelpers.h"

#include "forms/FieldKinds.h"
#include "forms/FormTexts.h"
#include "forms/RowList.h"
#include "platform/Dialogs.h"
#include "platform/TextCodec.h"

namespace tarvin {

namespace {

constexpr int KindRole = Qt::UserRole;

// Repainting waits until the rows are in place.
class QuietUpdates {
public:
    explicit QuietUpdates(QWidget& widget) : widget_(widget), wasEnabled_(widget.updatesEnabled())
    {
        widget_.setUpdatesEnabled(false);
    }
    ~QuietUpdates() { widget_.setUpdatesEnabled(wasEnabled_); }

private:
    QWidget& widget_;
    bool wasEnabled_;
};

std::vector<FieldEntry> FieldEntriesOf(const RowList& list)
{
    std::vector<FieldEntry> entries;
    for (int row = 0; row < list.RowCount(); ++row)
        entries.push_back({ToDocumentText(list.Row(row)->text(0)), RowKind(*list.Row(row))});
    return entries;
}

} // namespace

QTreeWidgetItem* AddFieldRow(RowList& list, const QString& name, TFieldKind kind, int position)
{
    auto* row = new QTreeWidgetItem({name, FieldKindCaption(kind)});
    row->setIcon(0, FieldKindIcon(kind));
    row->setData(0, KindRole, static_cast<int>(kind));
    if (position < 0 || position > list.RowCount())
        position = list.RowCount();
    list.insertTopLevelItem(position, row);
    return row;
}

TFieldKind RowKind(const QTreeWidgetItem& row)
{
    return FieldKindFromNumber(row.data(0, KindRole).toInt()).value_or(TFieldKind::fkText);
}

int RemoveSelectedRow(RowList& list, const QString& noun, Dialogs& dialogs)
{
    const int selected = list.SelectedRow();
    if (selected < 0)
        return -1;
    if (list.RowCount() == 1) {
        dialogs.Information(QString(form_texts::AtLeastOne).arg(noun));
        return -1;
    }
    {
        const QuietUpdates quiet(list);
        delete list.takeTopLevelItem(selected);
    }
    list.SelectRow(list.FocusedRow());
    return selected;
}

void ExchangeRows(RowList& list, int target)
{
    const int selected = list.SelectedRow();
    QTreeWidgetItem* from = list.Row(selected);
    QTreeWidgetItem* to = list.Row(target);
    if (!from || !to || from == to)
        return;
    for (int column = 0; column < list.columnCount(); ++column) {
        const QString text = from->text(column);
        from->setText(column, to->text(column));
        to->setText(column, text);
    }
    const QIcon icon = from->icon(0);
    const QVariant kind = from->data(0, KindRole);
    from->setIcon(0, to->icon(0));
    from->setData(0, KindRole, to->data(0, KindRole));
    to->setIcon(0, icon);
    to->setData(0, KindRole, kind);
    list.SelectRow(target);
}

void SetFieldRows(RowList& list, const std::vector<FieldEntry>& entries)
{
    const QuietUpdates quiet(list);
    list.clear();
    for (const FieldEntry& entry : entries)
        AddFieldRow(list, FromDocumentText(entry.name), entry.kind);
}

bool LoadFieldList(std::string_view section, const IniFile& ini, RowList& list)
{
    const auto entries = ReadFieldEntries(ini, section);
    if (!entries)
        return false;
    SetFieldRows(list, *entries);
    return true;
}

void SaveFieldList(std::string_view section, IniFile& ini, const RowList& list)
{
    WriteFieldEntries(ini, section, FieldEntriesOf(list));
}

} // namespace tarvin
