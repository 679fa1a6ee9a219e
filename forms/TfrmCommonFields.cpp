#include "forms/TfrmCommonFields.h"

#include "document/FormMarkup.h"
#include "forms/FieldListHelpers.h"
#include "forms/FormTexts.h"
#include "forms/RowList.h"
#include "platform/HelpTopicTag.h"
#include "platform/TextCodec.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvin {

using namespace form_texts;

namespace {

constexpr int OptionsHelpContext = 202;
constexpr int ListsHelpContext = 203;

using K = TFieldKind;

// The default list that Reset puts back, and the first rows of the bank.
const std::vector<FieldEntry>& ResetFields()
{
    static const std::vector<FieldEntry> fields{{"Name", K::fkText},  {"E-Mail", K::fkText},
                                                {"Address", K::fkText}, {"City", K::fkText},
                                                {"State", K::fkDropDown}, {"Zip Code/Postal Code", K::fkText}};
    return fields;
}

// The bank until Fields.ini supplies one.
std::vector<FieldEntry> BuiltInBank()
{
    std::vector<FieldEntry> bank = ResetFields();
    bank.insert(bank.end(), {{"Comments", K::fkTextArea},
                             {"Your Web Address", K::fkText},
                             {"Company Name", K::fkText},
                             {"Phone Number", K::fkText},
                             {"Credit Card Type", K::fkRadio},
                             {"Credit Card Number", K::fkText},
                             {"Credit Card Exp Date", K::fkText}});
    return bank;
}

QLabel* Bold(const QString& text)
{
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QFrame* Rule()
{
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

QToolButton* PriorityButton(Qt::ArrowType arrow, const QString& hint)
{
    auto* button = new QToolButton;
    button->setArrowType(arrow);
    button->setText("Priority");
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setEnabled(false);
    return button;
}

RowList* FieldList(const char* name)
{
    auto* list = new RowList({{"Name", 200}, {"Type", 185}});
    list->setObjectName(name);
    // Any button drags, so a right-button drag moves a row as well.
    list->SetDragButtons(Qt::AllButtons);
    SetHelpContext(list, ListsHelpContext);
    return list;
}

} // namespace

TfrmCommonFields::TfrmCommonFields(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs)
{
    setWindowTitle(CommonFieldsCaption);
    pages_ = new QStackedWidget;
    pages_->addWidget(BuildFieldListPanel());
    pages_->addWidget(BuildAdvancedPanel());

    btnReset = new QPushButton("&Reset");
    btnReset->setAutoDefault(false);
    btnOk = new QPushButton("OK");
    btnOk->setDefault(true);
    btnCancel = new QPushButton("Cancel");
    btnCancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnReset);
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
    resize(520, 560);

    connect(btnReset, &QPushButton::clicked, this, &TfrmCommonFields::btnResetClick);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TfrmCommonFields::BuildFieldListPanel()
{
    pnlCommon = new QWidget;
    pnlCommon->setObjectName("pnlCommon");
    auto* layout = new QVBoxLayout(pnlCommon);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* explanation = new QLabel(
        "To Add items to your list, simply drag and drop the item from the Field Bank below. To Remove an item, drag "
        "it back to the Field Bank or highlight it and hit Delete.");
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    auto* note = new QLabel("<b>Note:</b> You can add your own customized Fields by clicking on the \"Add Field\" "
                            "button (+) in the previous window.");
    note->setWordWrap(true);
    layout->addWidget(note);

    layout->addWidget(Bold("Common Fields"));
    lvForms = FieldList("lvForms");
    btnMoveUp = PriorityButton(Qt::UpArrow, "Move Up");
    btnMoveDown = PriorityButton(Qt::DownArrow, "Move Down");
    auto* priority = new QVBoxLayout;
    priority->addWidget(btnMoveUp);
    priority->addWidget(btnMoveDown);
    priority->addStretch();
    auto* defaults = new QHBoxLayout;
    defaults->addWidget(lvForms, 1);
    defaults->addLayout(priority);
    layout->addLayout(defaults, 1);

    layout->addWidget(Bold("Field Bank"));
    lvFieldBank = FieldList("lvFieldBank");
    layout->addWidget(lvFieldBank, 1);

    SetFieldRows(*lvForms, ResetFields());
    SetFieldRows(*lvFieldBank, BuiltInBank());
    lvForms->AddDropTarget(lvFieldBank);
    lvFieldBank->AddDropTarget(lvForms);

    connect(lvForms, &RowList::rowDropped, this, &TfrmCommonFields::lvFormsDragDrop);
    connect(lvFieldBank, &RowList::rowDropped, this,
            [this](RowList* source) { lvFieldBankDragDrop(source); });
    connect(lvForms, &RowList::deletePressed, this, &TfrmCommonFields::RemoveDefaultField);
    connect(lvForms, &QTreeWidget::itemSelectionChanged, this, &TfrmCommonFields::lvFormsSelectItem);
    connect(btnMoveUp, &QToolButton::clicked, this, [this] { MoveFocusedRow(-1); });
    connect(btnMoveDown, &QToolButton::clicked, this, [this] { MoveFocusedRow(1); });
    return pnlCommon;
}

QWidget* TfrmCommonFields::BuildAdvancedPanel()
{
    pnlAdvanced = new QWidget;
    pnlAdvanced->setObjectName("pnlAdvanced");
    auto* layout = new QVBoxLayout(pnlAdvanced);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto check = [&](const char* caption) {
        auto* box = new QCheckBox(caption);
        layout->addWidget(box);
        return box;
    };
    const auto textBox = [&](const char* caption) {
        auto* box = new QLineEdit;
        auto* label = new QLabel(caption);
        label->setBuddy(box);
        auto* row = new QFormLayout;
        row->addRow(label, box);
        layout->addLayout(row);
        return box;
    };

    layout->addWidget(Bold("Table Properties"));
    txtFormTitle = textBox("Form &Title");
    chkFooter = check("Include F&ooter");
    chkUseBorder = check("Use Table &Border");
    layout->addWidget(Bold("Display the following items in the e-mail"));
    chkAddress = check("E-Mail &Address");
    chkSubject = check("E-Mail &Subject");
    chkIP = check("&IP Address");
    chkHostname = check("&Hostname");
    chkBrowser = check("B&rowser Used");
    layout->addWidget(Rule());
    chkBlankFields = check("Display Blank &Fields in Message Body");
    chkSort = check("Sor&t Fields in Alphabetic Order");
    layout->addWidget(Rule());
    txtFormHandler = textBox("Form handler address");
    txtFormHandler->setPlaceholderText(FromDocumentText(std::string(DefaultFormHandler)));
    layout->addStretch();

    for (QWidget* control : std::initializer_list<QWidget*>{txtFormTitle, chkFooter, chkUseBorder, chkAddress,
                                                             chkSubject, chkIP, chkHostname, chkBrowser,
                                                             chkBlankFields, chkSort, txtFormHandler})
        SetHelpContext(control, OptionsHelpContext);
    return pnlAdvanced;
}

void TfrmCommonFields::showEvent(QShowEvent* event)
{
    if (mode_ == cmAdvancedOptions) {
        btnReset->hide();
        pages_->setCurrentWidget(pnlAdvanced);
        setWindowTitle(AdvancedOptionsCaption);
        // As tall as the options need; the hidden field lists take no room.
        pnlCommon->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        resize(width(), sizeHint().height());
    }
    QDialog::showEvent(event);
}

void TfrmCommonFields::LoadLists(const IniFile& fields)
{
    if (!LoadFieldList(DefaultFieldsSection, fields, *lvForms))
        changed_ = true;
    if (!LoadFieldList(FieldBankSection, fields, *lvFieldBank))
        changed_ = true;
}

void TfrmCommonFields::ShowOptions(const TPagelette& page)
{
    txtFormTitle->setText(FromDocumentText(page.FormTitle));
    chkFooter->setChecked(page.FormFooter);
    chkUseBorder->setChecked(page.Border);
    chkAddress->setChecked(page.EmailAddress);
    chkSubject->setChecked(page.EmailSubject);
    chkIP->setChecked(page.EnvReport);
    chkHostname->setChecked(page.HostName);
    chkBrowser->setChecked(page.BrowserUsed);
    chkBlankFields->setChecked(page.BlankFields);
    chkSort->setChecked(page.AlphaSort);
    txtFormHandler->setText(FromDocumentText(page.FormHandler));
}

void TfrmCommonFields::StoreOptions(TPagelette& page) const
{
    page.FormTitle = ToDocumentText(txtFormTitle->text());
    page.FormFooter = chkFooter->isChecked();
    page.Border = chkUseBorder->isChecked();
    page.EmailAddress = chkAddress->isChecked();
    page.EmailSubject = chkSubject->isChecked();
    page.EnvReport = chkIP->isChecked();
    page.HostName = chkHostname->isChecked();
    page.BrowserUsed = chkBrowser->isChecked();
    page.BlankFields = chkBlankFields->isChecked();
    page.AlphaSort = chkSort->isChecked();
    page.FormHandler = ToDocumentText(txtFormHandler->text().trimmed());
}

void TfrmCommonFields::lvFormsDragDrop(RowList* source, int sourceRow, int targetRow)
{
    if (source == lvForms) {
        ExchangeRows(*lvForms, targetRow);
        changed_ = true;
        return;
    }
    const QTreeWidgetItem* banked = lvFieldBank->Row(sourceRow);
    if (source != lvFieldBank || !banked)
        return;
    // A field is in the default list at most once, whatever its letter case.
    const QString name = banked->text(0);
    for (int row = 0; row < lvForms->RowCount(); ++row)
        if (lvForms->Row(row)->text(0).compare(name, Qt::CaseInsensitive) == 0) {
            lvForms->SelectRow(row);
            lvForms->setFocus();
            return;
        }
    QTreeWidgetItem* added = AddFieldRow(*lvForms, name, RowKind(*banked), targetRow);
    lvForms->SelectRow(lvForms->indexOfTopLevelItem(added));
    lvForms->setFocus();
    changed_ = true;
}

void TfrmCommonFields::lvFieldBankDragDrop(RowList* source)
{
    if (source == lvForms)
        RemoveDefaultField();
}

void TfrmCommonFields::RemoveDefaultField()
{
    RemoveSelectedRow(*lvForms, FormFieldNoun, dialogs_);
    changed_ = true;
}

void TfrmCommonFields::lvFormsSelectItem()
{
    const int row = lvForms->SelectedRow();
    btnMoveUp->setEnabled(row > 0);
    btnMoveDown->setEnabled(row >= 0 && row < lvForms->RowCount() - 1);
}

void TfrmCommonFields::MoveFocusedRow(int step)
{
    const int row = lvForms->FocusedRow();
    if (row < 0)
        return;
    lvForms->SelectRow(row);
    ExchangeRows(*lvForms, row + step);
    changed_ = true;
}

void TfrmCommonFields::btnResetClick()
{
    SetFieldRows(*lvForms, ResetFields());
    changed_ = true;
}

} // namespace tarvin
