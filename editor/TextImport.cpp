#include "editor/TextImport.h"

#include "document/TextUtil.h"
#include "editor/EditorTexts.h"
#include "platform/CursorGuard.h"
#include "platform/SharedOpenDialog.h"
#include "platform/TextCodec.h"

#include <QFile>
#include <QPlainTextEdit>

namespace tarvin {

void ImportTextFile(QPlainTextEdit* memo, SharedOpenDialog& openDialog)
{
    openDialog.Request().filter = texts::TextFilter;
    openDialog.Request().fileName.clear();
    const std::optional<QString> path = openDialog.Execute();
    if (!path)
        return;
    const HourglassCursor hourglass;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return;
    QString text;
    for (const std::string& line : SplitLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        text += FromDocumentText(line) + '\n';
    memo->textCursor().insertText(text);
}

} // namespace tarvin
