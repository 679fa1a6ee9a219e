#pragma once
// TfrmCommonFields ("Commonly Used Fields"): one modal dialog with two modes,
// chosen before it is shown.
//
// Mode 0, the field list: the user composes the default fields from a field
// bank by dragging rows between the two lists. The caller fills the lists
// from Fields.ini (LoadLists), runs exec() and, after OK, writes the default
// list back when Changed() says it was edited.
//
// Mode 1, the advanced options: the form's table and e-mail report options
// and the address of the form handler. The caller shows a page's options
// (ShowOptions) and, after OK, stores all of them back (StoreOptions).

#include "document/PageModel.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace tarvin {

class Dialogs;
class IniFile;
class RowList;

enum TCommonFieldsMode { cmFieldList = 0, cmAdvancedOptions = 1 };

class TfrmCommonFields : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCommonFields(Dialogs& dialogs, QWidget* parent = nullptr);

    // The dialog's Tag.
    void SetMode(TCommonFieldsMode mode) { mode_ = mode; }
    TCommonFieldsMode Mode() const { return mode_; }

    // Mode 0: the "Default Fields" and "Field Bank" sections into the lists; a
    // missing section leaves the built-in rows and counts as a change.
    void LoadLists(const IniFile& fields);
    bool Changed() const { return changed_; }

    // Mode 1.
    void ShowOptions(const TPagelette& page);
    void StoreOptions(TPagelette& page) const;

    // Mode 0.
    QWidget* pnlCommon;
    RowList* lvForms;
    RowList* lvFieldBank;
    QToolButton* btnMoveUp;
    QToolButton* btnMoveDown;
    QPushButton* btnReset;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    // Mode 1.
    QWidget* pnlAdvanced;
    QLineEdit* txtFormTitle;
    QCheckBox* chkFooter;
    QCheckBox* chkUseBorder;
    QCheckBox* chkAddress;
    QCheckBox* chkSubject;
    QCheckBox* chkIP;
    QCheckBox* chkHostname;
    QCheckBox* chkBrowser;
    QCheckBox* chkBlankFields;
    QCheckBox* chkSort;
    QLineEdit* txtFormHandler;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildFieldListPanel();
    QWidget* BuildAdvancedPanel();

    void lvFormsDragDrop(RowList* source, int sourceRow, int targetRow);
    void lvFieldBankDragDrop(RowList* source);
    void lvFormsSelectItem();
    void MoveFocusedRow(int step);
    void RemoveDefaultField();
    void btnResetClick();

    Dialogs& dialogs_;
    TCommonFieldsMode mode_ = cmFieldList;
    bool changed_ = false;
    QStackedWidget* pages_;
};

} // namespace tarvin
