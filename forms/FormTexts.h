#pragma once
// The fixed texts of the form builder: messages, captions and nouns.

namespace tarvin::form_texts {

inline constexpr const char* AtLeastOne = "There must be at least one %1.";
inline constexpr const char* FormFieldNoun = "form field";
inline constexpr const char* DropDownItemNoun = "item in the drop down box.";

// The forms tab.
inline constexpr const char* ConfirmDeleteField = "Do you want to delete the selected field?";
inline constexpr const char* ConfirmClearFields = "Do you want to clear ALL the forms fields?";
inline constexpr const char* DefaultFieldsNotSaved =
    "The default fields could not be saved in %1; the form is built from the fields it holds.";

// The field editor.
inline constexpr const char* FieldEditorCaption = "Form Field";
inline constexpr const char* FieldCaption = "Form Field (%1) - %2";
inline constexpr const char* UntitledField = "Untitled";
inline constexpr const char* SampleCaption = "Here is a sample of a %1";
inline constexpr const char* NameRequired =
    "The Name field is a required field. Please include a unique name for the field.";
inline constexpr const char* ConfirmDeleteItem = "Do you want to delete the seleted item?";
inline constexpr const char* OneSelection = "One Selection";
inline constexpr const char* TwoSelection = "Two Selection";
inline constexpr const char* Yes = "Yes";
inline constexpr const char* No = "No";

// The common fields dialog.
inline constexpr const char* CommonFieldsCaption = "Commonly Used Fields";
inline constexpr const char* AdvancedOptionsCaption = "E-mail Form Advanced Options";

} // namespace tarvin::form_texts
