#include "editor/panels/FormsPanel.h"

#include "editor/Glyphs.h"
#include "editor/TextBinding.h"
#include "editor/panels/GlyphButton.h"
#include "forms/FieldKinds.h"
#include "forms/FieldListHelpers.h"
#include "forms/RowList.h"
#include "platform/TextCodec.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace tarvin {

namespace {

// The kinds the add menu offers, with their entries; a button field comes
// only from Fields.ini.
struct AddEntry {
    TFieldKind kind;
    const char* caption;
};
constexpr AddEntry AddEntries[] = {{TFieldKind::fkText, "Text &Box"},
                                   {TFieldKind::fkTextArea, "Text &Area"},
                                   {TFieldKind::fkRadio, "&Radio Button"},
                                   {TFieldKind::fkCheckBox, "&Check Box"},
                                   {TFieldKind::fkDropDown, "&Drop Down List"}};

} // namespace

FormsPanel::FormsPanel(const PanelServices& services, std::function<TPagelette&()> document, QWidget* parent)
    : BlockPanel(TBlockType::btForms, "Forms",
                 "Use forms to allow visitors to send inquires. All information entered by the visitor will be sent via e-mail.", parent),
      dialogs_(services.dialogs),
      programFolder_(services.programFolder),
      document_(std::move(document))
{
    auto* grid = new QGridLayout;
    txtFormAddress = LabelledBox(grid, 0, "Your E-mail &Address");
    txtFormSubject = LabelledBox(grid, 1, "E-Mail &Subject");
    txtFormURL = LabelledBox(grid, 2, "Redirect &URL (usually your main URL)");
    btnFormOptions = new QPushButton("A&dvanced Options");
    grid->addWidget(btnFormOptions, 3, 1, Qt::AlignRight);
    Body()->addLayout(grid);

    auto* frame = new QGroupBox("Form Fields");
    auto* frameLayout = new QHBoxLayout(frame);
    lvForms = new RowList({{"Name", 175}, {"Type", 90}});
    frameLayout->addWidget(lvForms, 1);
    btnFormUp = MakeGlyphButton(Glyph::Add, "Move Up");
    btnFormUp->setArrowType(Qt::UpArrow);
    btnFormDown = MakeGlyphButton(Glyph::Add, "Move Down");
    btnFormDown->setArrowType(Qt::DownArrow);
    btnFormAdd = MakeGlyphButton(Glyph::Add, "Add Field");
    btnFormRemove = MakeGlyphButton(Glyph::Remove, "Remove Field");
    btnFormEdit = MakeGlyphButton(Glyph::Edit, "Edit Field");
    auto* buttons = new QVBoxLayout;
    for (QToolButton* button : {btnFormUp, btnFormDown, btnFormAdd, btnFormRemove, btnFormEdit})
        buttons->addWidget(button);
    buttons->addStretch();
    frameLayout->addLayout(buttons);
    Body()->addWidget(frame, 1);

    btnFormBasic = new QPushButton("Load &Basic Fields");
    btnFormClear = new QPushButton("&Clear All");
    auto* below = new QHBoxLayout;
    below->addWidget(btnFormBasic);
    below->addWidget(btnFormClear);
    below->addStretch();
    Body()->addLayout(below);

    for (QWidget* button : std::initializer_list<QWidget*>{btnFormUp, btnFormDown, btnFormRemove, btnFormEdit, btnFormClear})
        button->setEnabled(false);
    BuildFormsMenu();

    connect(btnFormAdd, &QToolButton::clicked, this, &FormsPanel::btnFormAddClick);
    connect(btnFormEdit, &QToolButton::clicked, this, &FormsPanel::btnFormEditClick);
    connect(btnFormRemove, &QToolButton::clicked, this, &FormsPanel::btnFormRemoveClick);
    connect(btnFormUp, &QToolButton::clicked, this, &FormsPanel::btnFormUpClick);
    connect(btnFormDown, &QToolButton::clicked, this, &FormsPanel::btnFormDownClick);
    connect(btnFormClear, &QPushButton::clicked, this, &FormsPanel::btnFormClearClick);
    connect(btnFormBasic, &QPushButton::clicked, this, &FormsPanel::btnFormBasicClick);
    connect(btnFormOptions, &QPushButton::clicked, this, &FormsPanel::btnFormOptionsClick);
    connect(lvForms, &QTreeWidget::itemSelectionChanged, this, &FormsPanel::lvFormsSelectItem);
    connect(lvForms, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (lvForms->SelectedRow() >= 0)
            btnFormEditClick();
    });
    connect(lvForms, &RowList::enterPressed, this, &FormsPanel::btnFormEditClick);
    connect(lvForms, &RowList::deletePressed, this, &FormsPanel::btnFormRemoveClick);
    connect(lvForms, &RowList::rowDropped, this, &FormsPanel::lvFormsDragDrop);
    lvForms->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lvForms, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { ShowFormsMenu(lvForms->viewport()->mapToGlobal(at), true); });
}

void FormsPanel::BuildFormsMenu()
{
    popForms = new QMenu(this);
    for (const AddEntry& entry : AddEntries) {
        QAction* action = popForms->addAction(FieldKindIcon(entry.kind), entry.caption);
        connect(action, &QAction::triggered, this, [this, kind = entry.kind] { popFormsTextBoxClick(kind); });
    }
    mnuEditField = popForms->addAction("&Edit Field");
    popForms->addSeparator();
    mnuDeleteField = popForms->addAction("&Delete Field");
    mnuMoveUp = popForms->addAction("Move Field &Up");
    mnuMoveDown = popForms->addAction("Move Field Do&wn");
    connect(mnuEditField, &QAction::triggered, this, &FormsPanel::btnFormEditClick);
    connect(mnuDeleteField, &QAction::triggered, this, &FormsPanel::btnFormRemoveClick);
    connect(mnuMoveUp, &QAction::triggered, this, &FormsPanel::btnFormUpClick);
    connect(mnuMoveDown, &QAction::triggered, this, &FormsPanel::btnFormDownClick);
}

// From the Add button only the kinds show; as the list's context menu the
// field commands show too, each enabled like its button.
void FormsPanel::ShowFormsMenu(QPoint at, bool asContextMenu)
{
    const QList<QAction*> entries = popForms->actions();
    for (qsizetype i = std::size(AddEntries); i < entries.size(); ++i)
        entries[i]->setVisible(asContextMenu);
    mnuEditField->setEnabled(btnFormEdit->isEnabled());
    mnuDeleteField->setEnabled(btnFormRemove->isEnabled());
    mnuMoveUp->setEnabled(btnFormUp->isEnabled());
    mnuMoveDown->setEnabled(btnFormDown->isEnabled());
    popForms->popup(at);
}

void FormsPanel::btnFormAddClick()
{
    ShowFormsMenu(btnFormAdd->mapToGlobal(QPoint(0, 0)), false);
}

void FormsPanel::Store(TPageItem&, TPagelette& document)
{
    document.Email = TextOf(txtFormAddress);
    document.Redirect = TextOf(txtFormURL);
    document.Subject = TextOf(txtFormSubject);
}

void FormsPanel::Show(TPageItem&, TPagelette& document)
{
    ShowAddresses(document);
    btnFormClear->setEnabled(document.WebForm().Count() > 0);
}

void FormsPanel::ShowNewForm(const TPagelette& document)
{
    ShowAddresses(document);
    ClearFieldRows();
}

void FormsPanel::ShowAddresses(const TPagelette& document)
{
    SetText(txtFormAddress, document.Email);
    SetText(txtFormURL, document.Redirect);
    SetText(txtFormSubject, document.Subject);
}

void FormsPanel::AddFieldRows(const TWebForm& form)
{
    for (const auto& field : form)
        AddFieldRow(*lvForms, FromDocumentText(field->Name), field->FieldKind);
}

void FormsPanel::ClearFieldRows()
{
    lvForms->clear();
    for (QToolButton* button : {btnFormUp, btnFormDown, btnFormRemove, btnFormEdit})
        button->setEnabled(false);
}

void FormsPanel::lvFormsSelectItem()
{
    const int row = lvForms->SelectedRow();
    btnFormUp->setEnabled(row > 0);
    btnFormDown->setEnabled(row >= 0 && row < lvForms->RowCount() - 1);
    btnFormRemove->setEnabled(row >= 0);
    btnFormEdit->setEnabled(row >= 0);
}

TFormElement* FormsPanel::FieldAt(int row) const
{
    TWebForm& form = document_().WebForm();
    return row >= 0 && row < form.Count() ? &form.Items(row) : nullptr;
}

} // namespace tarvin
