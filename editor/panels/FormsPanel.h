#pragma once
// pnlForms: the page's e-mail form. The three addresses are edited here; the
// field list lvForms shows the form's fields, one row per field in form order,
// and its buttons add, edit, remove and reorder them, load ready-made fields
// from Fields.ini and open the form's advanced options. Every operation keeps
// the rows and the form's fields in the same order and number.

#include "editor/panels/BlockPanel.h"
#include "editor/panels/PanelServices.h"
#include "forms/RowList.h"

#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QToolButton;

namespace tarvin {

class FormsPanel : public BlockPanel {
    Q_OBJECT
public:
    // document: the open page document, which the main window may replace.
    FormsPanel(const PanelServices& services, std::function<TPagelette&()> document, QWidget* parent = nullptr);

    // The addresses belong to the document, not to the item.
    void Store(TPageItem& item, TPagelette& document) override;
    void Show(TPageItem& item, TPagelette& document) override;

    // A new forms block starts from the document's addresses and no fields.
    void ShowNewForm(const TPagelette& document);
    // Adds one row per field of the form, in order.
    void AddFieldRows(const TWebForm& form);
    // Empties the field list; the buttons that need a selected field are disabled.
    void ClearFieldRows();

    // The commands.
    void btnFormAddClick();
    void popFormsTextBoxClick(TFieldKind kind);
    void btnFormEditClick();
    void btnFormRemoveClick();
    void btnFormUpClick() { MoveFocusedField(-1); }
    void btnFormDownClick() { MoveFocusedField(1); }
    void btnFormClearClick() { ClearAllFields(); }
    // Asks before emptying a form that has fields; true when the form is empty.
    bool ClearAllFields();
    void btnFormBasicClick();
    // Rebuilds the form from the "Default Fields" of Fields.ini.
    void LoadBasicFields();
    void btnFormOptionsClick();

    QLineEdit* txtFormAddress;
    QLineEdit* txtFormSubject;
    QLineEdit* txtFormURL;
    RowList* lvForms;
    QToolButton* btnFormUp;
    QToolButton* btnFormDown;
    QToolButton* btnFormAdd;
    QToolButton* btnFormRemove;
    QToolButton* btnFormEdit;
    QPushButton* btnFormOptions;
    QPushButton* btnFormBasic;
    QPushButton* btnFormClear;
    // The add menu at the Add button; with the field commands as the list's context menu.
    QMenu* popForms;
    QAction* mnuEditField;
    QAction* mnuDeleteField;
    QAction* mnuMoveUp;
    QAction* mnuMoveDown;

signals:
    // The page's form or its options changed.
    void formChanged();

private:
    void BuildFormsMenu();
    void ShowFormsMenu(QPoint at, bool asContextMenu);
    void ShowAddresses(const TPagelette& document);
    void lvFormsSelectItem();
    void lvFormsDragDrop(RowList* source, int sourceRow, int targetRow);
    void MoveFocusedField(int step);
    // Runs the field editor for a new field (existingRow -1) or the field at existingRow.
    void RunFieldEditor(TFieldKind kind, int existingRow);
    TFormElement* FieldAt(int row) const;
    std::string FieldsIniPath() const;

    Dialogs& dialogs_;
    QString programFolder_;
    std::function<TPagelette&()> document_;
};

} // namespace tarvin
