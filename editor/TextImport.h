#pragma once
// Importing a text file into a memo at its caret.

class QPlainTextEdit;

namespace tarvin {

class SharedOpenDialog;

// Asks for a text file and inserts its lines at the memo's caret, replacing
// the selection; a file that cannot be read changes nothing.
void ImportTextFile(QPlainTextEdit* memo, SharedOpenDialog& openDialog);

} // namespace tarvin
