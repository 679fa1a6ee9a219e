#include "forms/FieldEditorBinding.h"

#include "document/TextUtil.h"
#include "forms/RowList.h"
#include "forms/TfrmFields.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace tarvin {

namespace {

QString Shown(std::string_view text)
{
    return FromDocumentText(std::string(text));
}

std::string Typed(const QLineEdit* box)
{
    return ToDocumentText(box->text());
}

// A choice line: its parts joined by bars, each part without bars of its own.
std::string ChoiceLine(const QTreeWidgetItem& row, int parts)
{
    std::string line;
    for (int column = 0; column < parts; ++column) {
        if (column > 0)
            line += '|';
        line += ReplaceAll(ToDocumentText(row.text(column)), "|", "");
    }
    return line;
}

} // namespace

void LoadFieldIntoEditor(const TFormElement& field, TfrmFields& editor)
{
    editor.txtName->setText(Shown(field.Name));
    editor.txtValue->setText(Shown(field.Value));
    QStringList lines;
    for (const std::string& line : SplitLines(field.Text))
        lines << Shown(line);
    editor.txtText->setPlainText(lines.join('\n'));

    switch (field.FieldKind) {
    case TFieldKind::fkText:
        editor.cbSize->setCurrentText(Shown(FieldSetting(field.Strings, "Size")));
        break;
    case TFieldKind::fkTextArea:
        editor.txtCols->setText(Shown(FieldSetting(field.Strings, "Cols")));
        editor.txtRows->setText(Shown(FieldSetting(field.Strings, "Rows")));
        break;
    case TFieldKind::fkRadio:
    case TFieldKind::fkCheckBox:
        for (const std::string& line : field.Strings) {
            if (line.find('|') == std::string::npos)
                continue;
            const auto [value, rest] = SplitAtBar(line);
            const auto [text, mark] = SplitAtBar(rest);
            new QTreeWidgetItem(editor.lvDropDown, {Shown(value), Shown(text), Shown(mark)});
        }
        break;
    case TFieldKind::fkDropDown:
        for (const std::string& line : field.Strings) {
            const auto [value, text] = SplitAtBar(line);
            new QTreeWidgetItem(editor.lvDropDown, {Shown(value), Shown(text)});
        }
        break;
    case TFieldKind::fkButton:
        break;
    }
}

void StoreFieldFromEditor(const TfrmFields& editor, TFieldKind kind, TFormElement& field)
{
    StringLines& lines = field.Strings;
    switch (kind) {
    case TFieldKind::fkText:
        SetFieldSetting(lines, "Size", ToDocumentText(editor.cbSize->currentText()));
        break;
    case TFieldKind::fkTextArea:
        SetFieldSetting(lines, "Cols", Typed(editor.txtCols));
        SetFieldSetting(lines, "Rows", Typed(editor.txtRows));
        break;
    case TFieldKind::fkRadio:
    case TFieldKind::fkCheckBox:
    case TFieldKind::fkDropDown: {
        const int parts = kind == TFieldKind::fkDropDown ? 2 : 3;
        lines.clear();
        for (int row = 0; row < editor.lvDropDown->RowCount(); ++row)
            lines.push_back(ChoiceLine(*editor.lvDropDown->Row(row), parts));
        break;
    }
    case TFieldKind::fkButton:
        break;
    }
    field.FieldKind = kind;
    field.Text.clear();
    for (const std::string& line : SplitLines(ToDocumentText(editor.txtText->toPlainText())))
        field.Text += line + std::string(CRLF);
    field.Name = Typed(editor.txtName);
    field.Value = Typed(editor.txtValue);
}

} // namespace tarvin
