#pragma once
// TfrmFields: the modal dialog in which one e-mail form field is made or
// edited. It arranges itself for the field's kind, keeps the choices of a
// radio button, check box or drop-down field, shows a live sample and makes
// sure the field has a name; it never touches the page document. The forms
// tab sets the kind, fills the controls from an existing field, runs exec()
// and, after OK, reads the controls back (forms/FieldEditorBinding.h).

#include "document/WebForm.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace tarvin {

class Dialogs;
class RowList;

class TfrmFields : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFields(Dialogs& dialogs, QWidget* parent = nullptr);

    // The dialog's Tag: the kind it is arranged for when shown.
    void SetFieldKind(TFieldKind kind) { kind_ = kind; }
    TFieldKind FieldKind() const { return kind_; }

    // The sample made for the kind at show; null for a button.
    QWidget* Sample() const { return sample_; }
    // True while the item panel edits an existing row.
    bool EditingItem() const { return editingItem_; }

    // The field.
    QPlainTextEdit* txtText;
    QLineEdit* txtName;
    QLineEdit* txtValue;
    QComboBox* cbSize;
    QWidget* pnlTextArea;
    QLineEdit* txtRows;
    QLineEdit* txtCols;
    // The choices: caption = value, first sub-item = text, second = "Yes" or "No".
    QWidget* pnlDropDown;
    RowList* lvDropDown;
    QToolButton* btnAdd;
    QToolButton* btnDelete;
    QToolButton* btnEdit;
    QMenu* popOptions;
    QAction* popEdit;
    QAction* popAdd;
    QAction* popDelete;
    // The item panel, in front of the upper part while an item is added or edited.
    QWidget* pnlDropText;
    QLineEdit* txtDropValue;
    QLineEdit* txtDropText;
    QCheckBox* chkCheck;
    QPushButton* btnDropApply;
    QPushButton* btnDropCancel;
    // The sample.
    QLabel* lblSample;
    QFrame* pnlSample;
    QLabel* lblPageText;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildUpperPart();
    QWidget* BuildItemPanel();
    QWidget* BuildItemList();
    QWidget* BuildTextAreaPanel();
    void FormShow();
    void ArrangeForKind();
    void MakeSample();
    void ShowCaption();

    void txtNameExit();
    void UpdateItemButtons();
    void btnAddClick(bool edit);
    void btnDropApplyClick(bool apply);
    void btnDeleteClick();
    void lvDropDownDragDrop(RowList* source, int sourceRow, int targetRow);
    void RefillSampleDropDown();

    Dialogs& dialogs_;
    TFieldKind kind_ = TFieldKind::fkText;
    bool editingItem_ = false;
    bool shown_ = false;
    bool nameMessageShowing_ = false;
    QStackedWidget* upper_;
    QWidget* pnlFieldText_;
    QLabel* lblSize_;
    QWidget* sample_ = nullptr;
};

} // namespace tarvin
