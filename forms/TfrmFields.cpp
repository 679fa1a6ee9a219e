#include "forms/TfrmFields.h"

#include "forms/FieldKinds.h"
#include "forms/FormTexts.h"
#include "forms/RowList.h"
#include "platform/Dialogs.h"
#include "platform/HelpTopicTag.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvin {

using namespace form_texts;

namespace {

// The help contexts of the field's boxes: 204 + the kind.
constexpr int FieldHelpContext = 204;
constexpr int TextAreaHelpContext = 205;
constexpr int SampleWidth = 250;
constexpr int SampleHeight = 84;
constexpr int ItemMarkColumn = 2;

QLineEdit* Box(QGridLayout* grid, int row, int column, const QString& caption, QLineEdit* box)
{
    auto* label = new QLabel(caption);
    label->setBuddy(box);
    grid->addWidget(label, row, column);
    grid->addWidget(box, row, column + 1);
    return box;
}

QToolButton* ItemButton(const QString& caption, const QString& hint)
{
    auto* button = new QToolButton;
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumWidth(56);
    return button;
}

} // namespace

TfrmFields::TfrmFields(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs)
{
    setWindowTitle(FieldEditorCaption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildUpperPart());
    layout->addWidget(BuildTextAreaPanel());
    layout->addWidget(BuildItemList(), 1);

    lblSample = new QLabel;
    layout->addWidget(lblSample);
    pnlSample = new QFrame;
    pnlSample->setObjectName("pnlSample");
    pnlSample->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlSample->setAutoFillBackground(true);
    QPalette white = pnlSample->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlSample->setPalette(white);
    pnlSample->setFixedHeight(SampleHeight);
    lblPageText = new QLabel("Webpage Text", pnlSample);
    lblPageText->move(8, 8);
    lblPageText->adjustSize();
    layout->addWidget(pnlSample);
    // Room the item list does not take (kinds without one) stays below the sample.
    layout->addStretch();

    btnOK = new QPushButton("OK");
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    btnCancel = new QPushButton("Cancel");
    btnCancel->setObjectName("btnCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    resize(480, 470);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(txtName, &QLineEdit::textChanged, this, &TfrmFields::ShowCaption);
    txtName->installEventFilter(this);
    connect(txtValue, &QLineEdit::textChanged, this, [this](const QString& value) {
        if (auto* box = qobject_cast<QLineEdit*>(sample_))
            box->setText(value);
    });
}

QWidget* TfrmFields::BuildUpperPart()
{
    pnlFieldText_ = new QWidget;
    auto* grid = new QGridLayout(pnlFieldText_);
    grid->setContentsMargins(0, 0, 0, 0);
    txtText = new QPlainTextEdit;
    txtText->setObjectName("txtText");
    txtText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtText->setFixedHeight(64);
    auto* textLabel = new QLabel("&Webpage Text:");
    textLabel->setBuddy(txtText);
    grid->addWidget(textLabel, 0, 0, Qt::AlignTop);
    grid->addWidget(txtText, 0, 1, 1, 3);
    txtName = Box(grid, 1, 0, "&Name:", new QLineEdit);
    txtName->setObjectName("txtName");
    txtValue = Box(grid, 1, 2, "&Value:", new QLineEdit);
    txtValue->setObjectName("txtValue");

    cbSize = new QComboBox;
    cbSize->setObjectName("cbSize");
    cbSize->setEditable(true);
    cbSize->addItems({"10", "20", "30", "40", "50", "60"});
    cbSize->setCurrentText("30");
    lblSize_ = new QLabel("&Size:");
    lblSize_->setBuddy(cbSize);
    grid->addWidget(lblSize_, 2, 0);
    grid->addWidget(cbSize, 2, 1, Qt::AlignLeft);
    grid->setRowStretch(3, 1);
    SetHelpContext(cbSize, FieldHelpContext);

    upper_ = new QStackedWidget;
    upper_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    upper_->addWidget(pnlFieldText_);
    upper_->addWidget(BuildItemPanel());
    return upper_;
}

QWidget* TfrmFields::BuildItemPanel()
{
    pnlDropText = new QWidget;
    pnlDropText->setObjectName("pnlDropText");
    auto* grid = new QGridLayout(pnlDropText);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* explanation = new QLabel(
        "Value is a unique identifier used when the email form is processed. Text selection is an item in the drop "
        "down box or for a checkbox or radio button it is the text next to it.");
    explanation->setWordWrap(true);
    // Three lines whatever the width, so the controls below stay in place
    // when the panel comes to the front.
    QSizePolicy fixedLines = explanation->sizePolicy();
    fixedLines.setHeightForWidth(false);
    explanation->setSizePolicy(fixedLines);
    explanation->setMinimumHeight(3 * explanation->fontMetrics().lineSpacing());
    grid->addWidget(explanation, 0, 0, 1, 3);
    txtDropValue = Box(grid, 1, 0, "&Value (eg. CA)", new QLineEdit);
    txtDropValue->setObjectName("txtDropValue");
    txtDropText = Box(grid, 2, 0, "&Text Selections (eg. California)", new QLineEdit);
    txtDropText->setObjectName("txtDropText");
    chkCheck = new QCheckBox("Chec&ked");
    chkCheck->setObjectName("chkCheck");
    grid->addWidget(chkCheck, 3, 1);
    btnDropApply = new QPushButton("&Apply");
    btnDropApply->setObjectName("btnDropApply");
    btnDropApply->setEnabled(false);
    btnDropApply->setAutoDefault(false);
    btnDropCancel = new QPushButton("Cancel");
    btnDropCancel->setObjectName("btnDropCancel");
    btnDropCancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnDropApply);
    buttons->addWidget(btnDropCancel);
    grid->addLayout(buttons, 4, 0, 1, 3);

    // Apply follows the box that changed last.
    for (QLineEdit* box : {txtDropValue, txtDropText})
        connect(box, &QLineEdit::textChanged, this,
                [this](const QString& text) { btnDropApply->setEnabled(!text.isEmpty()); });
    connect(btnDropApply, &QPushButton::clicked, this, [this] { btnDropApplyClick(true); });
    connect(btnDropCancel, &QPushButton::clicked, this, [this] { btnDropApplyClick(false); });
    return pnlDropText;
}

QWidget* TfrmFields::BuildTextAreaPanel()
{
    pnlTextArea = new QWidget;
    pnlTextArea->setObjectName("pnlTextArea");
    auto* grid = new QGridLayout(pnlTextArea);
    grid->setContentsMargins(0, 0, 0, 0);
    txtRows = Box(grid, 0, 0, "&Rows:", new QLineEdit("15"));
    txtRows->setObjectName("txtRows");
    txtCols = Box(grid, 0, 2, "&Cols:", new QLineEdit("30"));
    txtCols->setObjectName("txtCols");
    grid->setColumnStretch(4, 1);
    for (QWidget* box : {txtRows, txtCols}) {
        box->setMaximumWidth(60);
        SetHelpContext(box, TextAreaHelpContext);
    }
    return pnlTextArea;
}

QWidget* TfrmFields::BuildItemList()
{
    pnlDropDown = new QWidget;
    pnlDropDown->setObjectName("pnlDropDown");
    auto* grid = new QGridLayout(pnlDropDown);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel("Items:"), 0, 0);
    lvDropDown = new RowList({{"Value", 100}, {"Text", 150}, {QString(), 75}});
    lvDropDown->setObjectName("lvDropDown");
    grid->addWidget(lvDropDown, 1, 0);
    btnAdd = ItemButton("Add", "Add Item");
    btnDelete = ItemButton("Delete", "Delete Item");
    btnEdit = ItemButton("Edit", "Edit Item");
    btnDelete->setEnabled(false);
    btnEdit->setEnabled(false);
    auto* buttons = new QVBoxLayout;
    for (QToolButton* button : {btnAdd, btnDelete, btnEdit})
        buttons->addWidget(button);
    buttons->addStretch();
    grid->addLayout(buttons, 1, 1);

    popOptions = new QMenu(this);
    popEdit = popOptions->addAction("&Edit Item");
    popOptions->addSeparator();
    popAdd = popOptions->addAction("&Add Item");
    popDelete = popOptions->addAction("&Delete Item");
    lvDropDown->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lvDropDown, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { popOptions->popup(lvDropDown->viewport()->mapToGlobal(at)); });
    connect(popOptions, &QMenu::aboutToShow, this, [this] {
        const bool selected = lvDropDown->SelectedRow() >= 0;
        popEdit->setEnabled(selected);
        popDelete->setEnabled(selected);
    });

    connect(lvDropDown, &QTreeWidget::itemSelectionChanged, this, &TfrmFields::UpdateItemButtons);
    connect(lvDropDown, &QTreeWidget::itemDoubleClicked, this, [this] { btnAddClick(true); });
    connect(lvDropDown, &RowList::enterPressed, this, [this] { btnAddClick(true); });
    connect(lvDropDown, &RowList::deletePressed, this, &TfrmFields::btnDeleteClick);
    connect(lvDropDown, &RowList::rowDropped, this, &TfrmFields::lvDropDownDragDrop);
    connect(btnAdd, &QToolButton::clicked, this, [this] { btnAddClick(false); });
    connect(popAdd, &QAction::triggered, this, [this] { btnAddClick(false); });
    connect(btnEdit, &QToolButton::clicked, this, [this] { btnAddClick(true); });
    connect(popEdit, &QAction::triggered, this, [this] { btnAddClick(true); });
    connect(btnDelete, &QToolButton::clicked, this, &TfrmFields::btnDeleteClick);
    connect(popDelete, &QAction::triggered, this, &TfrmFields::btnDeleteClick);
    return pnlDropDown;
}

void TfrmFields::showEvent(QShowEvent* event)
{
    // Arranged once per showing, after the caller has filled the controls.
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TfrmFields::FormShow()
{
    ArrangeForKind();
    const int context = FieldHelpContext + static_cast<int>(kind_);
    for (QWidget* box : std::initializer_list<QWidget*>{txtText, txtName, txtValue})
        SetHelpContext(box, context);
    if (txtName->text().isEmpty())
        txtName->setText(UntitledField);
    ShowCaption();
    lblSample->setText(QString(SampleCaption).arg(FieldKindCaption(kind_)));
    MakeSample();
}

void TfrmFields::ArrangeForKind()
{
    const bool textBox = kind_ == TFieldKind::fkText;
    const bool choices = kind_ == TFieldKind::fkRadio || kind_ == TFieldKind::fkCheckBox;
    lblSize_->setVisible(textBox);
    cbSize->setVisible(textBox);
    pnlTextArea->setVisible(kind_ == TFieldKind::fkTextArea);
    txtValue->setEnabled(kind_ != TFieldKind::fkTextArea);
    pnlDropDown->setVisible(choices || kind_ == TFieldKind::fkDropDown);
    chkCheck->setVisible(choices);
    if (kind_ == TFieldKind::fkRadio) {
        chkCheck->setText("Selected");
        lvDropDown->headerItem()->setText(ItemMarkColumn, "Selected");
    } else if (kind_ == TFieldKind::fkCheckBox) {
        lvDropDown->headerItem()->setText(ItemMarkColumn, "Checked");
    }
    // A drop-down's rows carry the mark too, but it is never stored.
    lvDropDown->setColumnHidden(ItemMarkColumn, !choices);
    // Without the item list the dialog is as tall as its controls need.
    if (pnlDropDown->isHidden())
        resize(width(), sizeHint().height());
}

void TfrmFields::MakeSample()
{
    switch (kind_) {
    case TFieldKind::fkText: {
        auto* box = new QLineEdit(txtValue->text(), pnlSample);
        box->setFixedWidth(SampleWidth);
        sample_ = box;
        break;
    }
    case TFieldKind::fkTextArea: {
        auto* memo = new QPlainTextEdit(pnlSample);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setFixedSize(SampleWidth, SampleHeight - 4);
        sample_ = memo;
        break;
    }
    case TFieldKind::fkRadio: {
        auto* radio = new QRadioButton("A radio button", pnlSample);
        radio->setChecked(true);
        sample_ = radio;
        break;
    }
    case TFieldKind::fkCheckBox: {
        auto* box = new QCheckBox("A check box", pnlSample);
        box->setChecked(true);
        sample_ = box;
        break;
    }
    case TFieldKind::fkDropDown: {
        auto* list = new QComboBox(pnlSample);
        list->setFixedWidth(SampleWidth);
        sample_ = list;
        RefillSampleDropDown();
        break;
    }
    case TFieldKind::fkButton:
        return;
    }
    sample_->setObjectName("sample");
    sample_->adjustSize();
    // Beside the label; a memo fills the panel's height instead.
    const int left = lblPageText->x() + lblPageText->width() + 10;
    sample_->move(left, kind_ == TFieldKind::fkTextArea ? 2 : lblPageText->y());
    sample_->show();
}

void TfrmFields::ShowCaption()
{
    setWindowTitle(QString(FieldCaption).arg(FieldKindCaption(kind_), txtName->text()));
}

bool TfrmFields::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the name box for another control, not the window losing focus.
    if (watched == txtName && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            txtNameExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmFields::txtNameExit()
{
    if (!txtName->text().isEmpty() || nameMessageShowing_)
        return;
    // The name is back before the message box takes the focus.
    txtName->setText(UntitledField);
    nameMessageShowing_ = true;
    dialogs_.Information(NameRequired);
    nameMessageShowing_ = false;
}

} // namespace tarvin
