#pragma once
// A preview of the selected picture beside the file list of a file dialog.

class QFileDialog;

namespace tarvin {

void AttachPicturePreview(QFileDialog& dialog);

} // namespace tarvin
