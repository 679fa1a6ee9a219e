#include "look/TfrmTheme.h"

#include "look/TfrmColor.h"
#include "look/ThemeList.h"
#include "look/ThemeSample.h"
#include "look/ThemeStore.h"
#include "look/ThemeTexts.h"
#include "platform/CursorGuard.h"
#include "platform/Dialogs.h"
#include "platform/FileCopy.h"
#include "platform/HelpTopicTag.h"
#include "platform/TextCodec.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>

#include <optional>

namespace tarvin {

namespace {

namespace texts = theme_texts;

// The looks of a theme the user adds: white, black, blue, red and purple
// (colours as $00BBGGRR).
TThemeItem NewThemeLooks()
{
    TThemeItem theme;
    theme.BGColor = 0xFFFFFF;
    theme.TextColor = 0x000000;
    theme.LinkColor = 0xFF0000;
    theme.ALinkColor = 0x0000FF;
    theme.VLinkColor = 0x800080;
    return theme;
}

constexpr int MaxLeftMargin = 500;

// A name from the store must stay inside the backgrounds folder.
bool IsPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains('\\');
}

QLabel* Caption(const QString& text, QWidget* buddy, int topic)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    SetHelpTopic(label, topic);
    SetHelpContext(buddy, topic);
    return label;
}

QPushButton* Button(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QToolButton* SmallButton(QStyle::StandardPixmap icon, const QString& hint, const char* name)
{
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setIcon(QApplication::style()->standardIcon(icon));
    button->setToolTip(hint);
    return button;
}

} // namespace

TfrmTheme::TfrmTheme(TWebTheme& store, Dialogs& dialogs, const QString& programFolder, const QCursor& dragCursor,
                     QWidget* parent)
    : QDialog(parent), store_(store), dialogs_(dialogs), programFolder_(programFolder), resourceFolder_(programFolder)
{
    setWindowTitle(texts::Caption);
    setFixedSize(560, 352);

    lstEditThemes = new ThemeList(dragCursor, this);
    lstEditThemes->setObjectName("lstEditThemes");
    lstEditThemes->setGeometry(8, 8, 170, 270);
    SetHelpTopic(lstEditThemes, 66);
    SetHelpContext(lstEditThemes, 66);
    for (const auto& theme : store_.Items())
        lstEditThemes->addItem(FromDocumentText(theme->ThemeName));

    btnAdd = Button("&Add", "btnAdd", this);
    btnRemove = Button("&Delete", "btnRemove", this);
    btnEdit = Button("&Edit", "btnEdit", this);
    btnAdd->setGeometry(8, 286, 54, 26);
    btnRemove->setGeometry(66, 286, 54, 26);
    btnEdit->setGeometry(124, 286, 54, 26);
    btnRemove->setEnabled(false);
    btnEdit->setEnabled(false);

    sample = new ThemeSample(this);
    sample->setGeometry(188, 8, 364, 132);

    editArea_ = new QStackedWidget(this);
    editArea_->setGeometry(188, 148, 364, 164);
    lblWelcome = new QLabel(texts::Welcome);
    lblWelcome->setObjectName("lblWelcome");
    lblWelcome->setWordWrap(true);
    lblWelcome->setMargin(10);
    lblWelcome->setFrameShape(QFrame::StyledPanel);
    editArea_->addWidget(lblWelcome);
    editArea_->addWidget(BuildEditPanel());

    btnOK = Button("OK", "btnOK", this);
    btnCancel = Button("Cancel", "btnCancel", this);
    btnOK->setGeometry(396, 318, 75, 26);
    btnCancel->setGeometry(477, 318, 75, 26);
    btnOK->setDefault(true);

    connect(lstEditThemes, &QListWidget::itemSelectionChanged, this, &TfrmTheme::lstEditThemesClick);
    connect(lstEditThemes, &QListWidget::itemDoubleClicked, this, &TfrmTheme::btnEditClick);
    connect(lstEditThemes, &ThemeList::dropped, this, &TfrmTheme::lstEditThemesDragDrop);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmTheme::btnAddClick);
    connect(btnRemove, &QPushButton::clicked, this, &TfrmTheme::btnRemoveClick);
    connect(btnEdit, &QPushButton::clicked, this, &TfrmTheme::btnEditClick);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(sample, &ThemeSample::labelDoubleClicked, this, &TfrmTheme::lblBGColorDblClick);
    for (auto signal : {&ThemeSample::pictureDoubleClicked, &ThemeSample::noImageClicked})
        connect(sample, signal, this, [this] {
            if (mode_ != Mode::Browsing)
                btnBackgroundClick();
        });
}

QWidget* TfrmTheme::BuildEditPanel()
{
    pnlEdit = new QFrame;
    pnlEdit->setObjectName("pnlEdit");
    pnlEdit->setFrameShape(QFrame::StyledPanel);

    txtDescription = new QLineEdit;
    txtDescription->setObjectName("txtDescription");
    txtBackground = new QLineEdit;
    txtBackground->setObjectName("txtBackground");
    txtBackground->setReadOnly(true);
    btnBackground = SmallButton(QStyle::SP_DirOpenIcon, "Browse", "btnBackground");
    btnClear = SmallButton(QStyle::SP_DialogResetButton, "Clear Image", "btnClear");
    updnLeftMargin = new QSpinBox;
    updnLeftMargin->setObjectName("updnLeftMargin");
    updnLeftMargin->setRange(0, MaxLeftMargin);
    updnLeftMargin->setSingleStep(10);
    updnLeftMargin->setFixedWidth(80);
    txtLeftMargin = updnLeftMargin->findChild<QLineEdit*>();
    txtLeftMargin->setObjectName("txtLeftMargin");
    txtLeftMargin->setMaxLength(3);
    SetHelpContext(txtLeftMargin, 74);
    for (QObject* box : {static_cast<QObject*>(updnLeftMargin), static_cast<QObject*>(txtLeftMargin)})
        box->installEventFilter(this);
    btnApply = Button("&Apply", "btnApply", pnlEdit);
    btnApply->setEnabled(false);
    btnBack = Button("Cancel", "btnBack", pnlEdit);

    auto* grid = new QGridLayout(pnlEdit);
    grid->addWidget(Caption("&Theme Description", txtDescription, 65), 0, 0);
    grid->addWidget(txtDescription, 0, 1, 1, 3);
    grid->addWidget(Caption("Background &Image", txtBackground, 68), 1, 0);
    grid->addWidget(txtBackground, 1, 1);
    grid->addWidget(btnBackground, 1, 2);
    grid->addWidget(btnClear, 1, 3);
    grid->addWidget(Caption("&Left Margin:", updnLeftMargin, 74), 2, 0);
    grid->addWidget(updnLeftMargin, 2, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(texts::EditNote), 3, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnApply);
    buttons->addWidget(btnBack);
    grid->addLayout(buttons, 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);

    connect(txtDescription, &QLineEdit::textChanged, this,
            [this](const QString& text) { btnApply->setEnabled(!text.isEmpty()); });
    connect(btnBackground, &QToolButton::clicked, this, &TfrmTheme::btnBackgroundClick);
    connect(btnClear, &QToolButton::clicked, this, &TfrmTheme::btnClearClick);
    connect(btnApply, &QPushButton::clicked, this, &TfrmTheme::btnApplyClick);
    connect(btnBack, &QPushButton::clicked, this, &TfrmTheme::btnBackClick);
    return pnlEdit;
}

void TfrmTheme::SelectTheme(const QString& name)
{
    const QList<QListWidgetItem*> found = lstEditThemes->findItems(name, Qt::MatchFixedString);
    const QSignalBlocker quiet(lstEditThemes);
    lstEditThemes->SelectRow(found.isEmpty() ? -1 : lstEditThemes->row(found.first()));
    if (!found.isEmpty())
        lstEditThemes->scrollToItem(found.first(), QAbstractItemView::PositionAtTop);
}

int TfrmTheme::SelectedRow() const
{
    return lstEditThemes->SelectedRow();
}

QStringList TfrmTheme::Names() const
{
    QStringList names;
    for (int row = 0; row < lstEditThemes->count(); ++row)
        names << lstEditThemes->item(row)->text();
    return names;
}

// FormShow; the dialog stands in the middle of the screen.
void TfrmTheme::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen* on = screen())
        move(on->availableGeometry().center() - rect().center());
    if (const QListWidgetItem* selected = lstEditThemes->currentItem())
        lstEditThemes->scrollToItem(selected, QAbstractItemView::PositionAtTop);
    lstEditThemesClick();
}

// Escape while a theme is being added or edited leaves the edit panel only.
void TfrmTheme::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && mode_ != Mode::Browsing) {
        btnBackClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

// txtLeftMarginKeyPress: of the characters typed, digits only; editing keys
// and shortcuts such as Ctrl+A work as in any box.
bool TfrmTheme::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const QString typed = key->text();
        const bool character = !typed.isEmpty() && typed.at(0).isPrint()
                               && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (character && !typed.at(0).isDigit())
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

QString TfrmTheme::BackgroundsFolder() const
{
    return programFolder_ + texts::BackgroundsFolder;
}

void TfrmTheme::lstEditThemesClick()
{
    const int row = SelectedRow();
    if (row >= 0 && row < store_.Items().Count()) {
        const TThemeItem& theme = store_.Items().Items(row);
        txtDescription->setText(FromDocumentText(theme.ThemeName));
        txtBackground->setText(FromDocumentText(theme.BGImage));
        bool isNumber = false;
        const int margin = QString::fromStdString(theme.LeftMargin).toInt(&isNumber);
        if (isNumber)
            updnLeftMargin->setValue(margin);
        sample->ShowColors(theme);
        ShowPictureOf(theme.BGImage);
    }
    btnRemove->setEnabled(row >= 0);
    btnEdit->setEnabled(row >= 0);
}

void TfrmTheme::ShowPictureOf(const std::string& fileName)
{
    const QString name = FromDocumentText(fileName);
    const QString path = BackgroundsFolder() + name;
    if (IsPlainFileName(name) && QFileInfo(path).isFile()) {
        picturePath_ = path;
        sample->ShowPicture(path);
    } else {
        picturePath_.clear();
        sample->ClearPicture();
    }
}

void TfrmTheme::btnAddClick()
{
    txtDescription->clear();
    txtBackground->clear();
    updnLeftMargin->setValue(0);
    sample->ShowColors(NewThemeLooks());
    picturePath_.clear();
    sample->ClearPicture();
    ShowEditPanel(Mode::Adding, texts::AddCaption);
}

void TfrmTheme::btnEditClick()
{
    if (SelectedRow() < 0)
        return;
    ShowEditPanel(Mode::Editing, texts::EditCaption);
}

void TfrmTheme::ShowEditPanel(Mode mode, const char* caption)
{
    mode_ = mode;
    setWindowTitle(caption);
    editArea_->setCurrentWidget(pnlEdit);
    SetBrowseControlsEnabled(false);
    btnApply->setDefault(true);
    txtDescription->setFocus();
}

void TfrmTheme::SetBrowseControlsEnabled(bool enabled)
{
    for (QWidget* control : {static_cast<QWidget*>(lstEditThemes), static_cast<QWidget*>(btnAdd),
                             static_cast<QWidget*>(btnRemove), static_cast<QWidget*>(btnEdit),
                             static_cast<QWidget*>(btnOK), static_cast<QWidget*>(btnCancel)})
        control->setEnabled(enabled);
}

void TfrmTheme::btnBackClick()
{
    mode_ = Mode::Browsing;
    editArea_->setCurrentWidget(lblWelcome);
    SetBrowseControlsEnabled(true);
    setWindowTitle(texts::Caption);
    btnOK->setDefault(true);
    lstEditThemesClick();
}

void TfrmTheme::btnRemoveClick()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    QApplication::beep();
    if (dialogs_.Confirm(texts::ConfirmDelete, false) == Answer::Yes) {
        {
            const QSignalBlocker quiet(lstEditThemes);
            delete lstEditThemes->takeItem(row);
            lstEditThemes->SelectRow(-1);
        }
        store_.Items().Delete(row);
    }
    changed_ = true;
    lstEditThemes->setFocus();
    lstEditThemesClick();
}

void TfrmTheme::lstEditThemesDragDrop(QPoint position)
{
    const QListWidgetItem* target = lstEditThemes->itemAt(position);
    const int from = SelectedRow();
    if (!target || from < 0)
        return;
    const int to = lstEditThemes->row(target);
    store_.Items().Move(from, to);
    const QSignalBlocker quiet(lstEditThemes);
    lstEditThemes->insertItem(to, lstEditThemes->takeItem(from));
    lstEditThemes->SelectRow(to);
    changed_ = true;
}

bool TfrmTheme::NameTaken(const QString& name) const
{
    const QStringList names = Names();
    return names.contains(name, Qt::CaseInsensitive);
}

void TfrmTheme::btnApplyClick()
{
    std::optional<HourglassCursor> hourglass(std::in_place);
    int row = SelectedRow();
    const QString name = txtDescription->text();
    const bool adding = mode_ == Mode::Adding;
    if (!adding && row < 0)
        return;
    // An edit that keeps the name exactly needs no check; one that changes
    // only its letter case finds itself and is refused.
    if ((adding || name != lstEditThemes->item(row)->text()) && NameTaken(name)) {
        hourglass.reset();
        QApplication::beep();
        dialogs_.Information(texts::DuplicateName);
        txtDescription->setFocus();
        return;
    }

    TThemeItem* target = nullptr;
    if (adding) {
        target = &store_.Items().Add();
        const QSignalBlocker quiet(lstEditThemes);
        lstEditThemes->addItem(name);
        row = lstEditThemes->count() - 1;
        lstEditThemes->SelectRow(row);
    } else {
        target = &store_.Items().Items(row);
    }
    const QString copyFailure = CopyChosenPicture();
    StoreInto(*target);
    if (lstEditThemes->item(row)->text() != name) {
        const QSignalBlocker quiet(lstEditThemes);
        lstEditThemes->item(row)->setText(name);
    }
    updnLeftMargin->setValue(0);
    changed_ = true;
    hourglass.reset();
    if (!copyFailure.isEmpty())
        dialogs_.Error(copyFailure);
    btnBackClick();
}

// A picture chosen with Browse goes into the backgrounds folder unless a file
// of that name is there already, which is then used instead. Gives the
// message for a copy that failed; the theme keeps the name either way.
QString TfrmTheme::CopyChosenPicture()
{
    const bool chosen = newImage_;
    newImage_ = false;
    if (!chosen || picturePath_.isEmpty() || !QFileInfo(picturePath_).isFile())
        return {};
    const QString folder = BackgroundsFolder();
    const QString source = picturePath_;
    picturePath_ = folder + QFileInfo(source).fileName();
    if (CopyFileNoReplace(source, folder) != CopyOutcome::Failed)
        return {};
    return QString(texts::CopyFailed).arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(folder));
}

void TfrmTheme::StoreInto(TThemeItem& theme)
{
    updnLeftMargin->interpretText();
    theme.ThemeName = ToDocumentText(txtDescription->text());
    theme.BGImage = ToDocumentText(picturePath_.isEmpty() ? QString() : QFileInfo(picturePath_).fileName());
    theme.LeftMargin = std::to_string(updnLeftMargin->value());
    sample->StoreColors(theme);
}

void TfrmTheme::btnBackgroundClick()
{
    FileDialogRequest request;
    request.filter = texts::ImageFilter;
    request.fileName = QFileInfo(picturePath_).fileName();
    request.initialFolder = BackgroundsFolder();
    const std::optional<QString> chosen = dialogs_.OpenPicture(request);
    if (!chosen)
        return;
    txtBackground->setText(QFileInfo(*chosen).fileName());
    picturePath_ = *chosen;
    newImage_ = true;
    sample->ShowPicture(*chosen);
}

void TfrmTheme::btnClearClick()
{
    picturePath_.clear();
    txtBackground->clear();
    sample->ClearPicture();
}

// Shared by the five sample labels; the background tells itself apart by its
// help topic and names the picker after its hint, the others after their caption.
void TfrmTheme::lblBGColorDblClick(QLabel* label)
{
    if (mode_ == Mode::Browsing)
        return;
    std::optional<HourglassCursor> hourglass(std::in_place);
    TfrmColor picker(dialogs_, resourceFolder_, this);
    picker.SetPickedColor(sample->ColorOf(label));
    const bool background = sample->IsBackgroundLabel(label);
    picker.setWindowTitle(picker.windowTitle() + " - " + (background ? label->toolTip() : label->text()));
    hourglass.reset();
    if (picker.exec() == QDialog::Accepted)
        sample->SetColor(label, picker.PickedColor());
}

} // namespace tarvin
