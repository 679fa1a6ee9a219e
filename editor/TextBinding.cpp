#include "editor/TextBinding.h"

#include "document/TextUtil.h"
#include "platform/TextCodec.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace tarvin {

std::string TextOf(const QLineEdit* box)
{
    return ToDocumentText(box->text());
}

void SetText(QLineEdit* box, const std::string& text)
{
    box->setText(FromDocumentText(text));
}

std::string TextOf(const QPlainTextEdit* memo)
{
    return ReplaceAll(ToDocumentText(memo->toPlainText()), "\n", "\r\n");
}

void SetText(QPlainTextEdit* memo, const std::string& text)
{
    QStringList lines;
    for (const std::string& line : SplitLines(text))
        lines << FromDocumentText(line);
    // A final line break is kept: SplitLines drops the empty line after it.
    if (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        lines << QString();
    memo->setPlainText(lines.join('\n'));
}

std::string RowsOf(const QListWidget* list)
{
    std::vector<std::string> rows;
    for (int row = 0; row < list->count(); ++row)
        rows.push_back(ToDocumentText(list->item(row)->text()));
    return JoinLines(rows);
}

void SetRows(QListWidget* list, const std::string& text)
{
    list->clear();
    for (const std::string& line : SplitLines(text))
        list->addItem(FromDocumentText(line));
}

} // namespace tarvin
