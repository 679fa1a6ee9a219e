#pragma once
// Moving one form field between the page's form and the field editor.

#include "document/WebForm.h"

namespace tarvin {

class TfrmFields;

// Fills the editor's controls from the field, before the editor is shown.
void LoadFieldIntoEditor(const TFormElement& field, TfrmFields& editor);
// Writes the editor's controls into the field as a field of the given kind.
// Settings lines the editor does not show (such as "Maxlength=100") stay; the
// bars that separate a choice's parts are taken out of what was typed.
void StoreFieldFromEditor(const TfrmFields& editor, TFieldKind kind, TFormElement& field);

} // namespace tarvin
