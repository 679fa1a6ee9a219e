#pragma once
// One editor panel per block type, all stacked on the editor area. Each panel
// copies its controls into a page item (Store) and back (Show).

#include "document/PageModel.h"

#include <QWidget>

class QGridLayout;
class QLineEdit;
class QVBoxLayout;

namespace tarvin {

class BlockPanel : public QWidget {
    Q_OBJECT
public:
    BlockPanel(TBlockType type, const QString& title, const QString& explanation, QWidget* parent = nullptr);

    TBlockType Type() const { return type_; }
    // The document is passed too: the forms panel edits the form's addresses.
    virtual void Store(TPageItem& item, TPagelette& document) = 0;
    virtual void Show(TPageItem& item, TPagelette& document) = 0;

protected:
    // The panel's controls go here, under the head (icon, title, explanation,
    // rule); it takes the panel's spare height.
    QVBoxLayout* Body() const { return body_; }

private:
    TBlockType type_;
    QVBoxLayout* body_;
};

// Adds a caption and its edit box as one row of a panel's grid; the caption's
// mnemonic focuses the box.
QLineEdit* LabelledBox(QGridLayout* grid, int row, const QString& caption);

} // namespace tarvin
