#include "editor/panels/FormsPanel.h"

#include "editor/Glyphs.h"
#include "editor/TextBinding.h"
#include "editor/panels/GlyphButton.h"
#include "platform/TextCodec.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace tarvin {

namespace {

const char* const KindCaptions[] = {"Text Box", "Text Area", "Radio Button", "Check Box", "Drop Down", "Button"};

} // namespace

FormsPanel::FormsPanel(QWidget* parent)
    : BlockPanel(TBlockType::btForms, "Forms",
                 "Use forms to allow visitors to send inquires. All information entered by the visitor will be sent via e-mail.", parent)
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
    lvForms = new QTreeWidget;
    lvForms->setHeaderLabels({"Name", "Type"});
    lvForms->setRootIsDecorated(false);
    lvForms->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvForms->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvForms->header()->resizeSection(0, 175);
    lvForms->header()->resizeSection(1, 90);
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

    // Editing the fields comes with the form builder; until then the list only shows them.
    for (QWidget* button : std::initializer_list<QWidget*>{btnFormUp, btnFormDown, btnFormAdd, btnFormRemove, btnFormEdit,
                                                           btnFormOptions, btnFormBasic, btnFormClear})
        button->setEnabled(false);
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
    for (const auto& field : form) {
        const int kind = static_cast<int>(field->FieldKind);
        auto* row = new QTreeWidgetItem(lvForms, {FromDocumentText(field->Name), KindCaptions[kind]});
        row->setIcon(0, QIcon(FieldKindIcon(field->FieldKind)));
    }
}

void FormsPanel::ClearFieldRows()
{
    lvForms->clear();
    for (QToolButton* button : {btnFormUp, btnFormDown, btnFormRemove, btnFormEdit})
        button->setEnabled(false);
}

} // namespace tarvin
