#pragma once
// pnlForms: the page's e-mail form. Its addresses are edited here; the field
// list shows the form's fields, whose editing comes with the form builder.

#include "editor/panels/BlockPanel.h"

class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace tarvin {

class FormsPanel : public BlockPanel {
    Q_OBJECT
public:
    explicit FormsPanel(QWidget* parent = nullptr);

    // The addresses belong to the document, not to the item.
    void Store(TPageItem& item, TPagelette& document) override;
    void Show(TPageItem& item, TPagelette& document) override;

    // A new forms block starts from the document's addresses and no fields.
    void ShowNewForm(const TPagelette& document);
    // Adds one row per field of the form, in order.
    void AddFieldRows(const TWebForm& form);
    // Empties the field list; the buttons that need a selected field are disabled.
    void ClearFieldRows();

    QLineEdit* txtFormAddress;
    QLineEdit* txtFormSubject;
    QLineEdit* txtFormURL;
    QTreeWidget* lvForms;
    QToolButton* btnFormUp;
    QToolButton* btnFormDown;
    QToolButton* btnFormAdd;
    QToolButton* btnFormRemove;
    QToolButton* btnFormEdit;
    QPushButton* btnFormOptions;
    QPushButton* btnFormBasic;
    QPushButton* btnFormClear;

private:
    void ShowAddresses(const TPagelette& document);
};

} // namespace tarvin
