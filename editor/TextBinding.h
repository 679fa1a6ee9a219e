#pragma once
// Moving document texts (bytes, CR LF line breaks) into and out of controls.

#include <QString>
#include <QStringList>
#include <string>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace tarvin {

std::string TextOf(const QLineEdit* box);
void SetText(QLineEdit* box, const std::string& text);

// A memo's text with CR LF line breaks, as the document keeps it.
std::string TextOf(const QPlainTextEdit* memo);
void SetText(QPlainTextEdit* memo, const std::string& text);

// The rows joined as lines, each followed by CR LF.
std::string RowsOf(const QListWidget* list);
// One row per line of text.
void SetRows(QListWidget* list, const std::string& text);

} // namespace tarvin
