#include "assistants/TfrmMisc.h"

#include "assistants/BookmarkFile.h"
#include "assistants/FontFamilies.h"
#include "assistants/MiscTexts.h"
#include "look/ColorConvert.h"
#include "look/TfrmColor.h"
#include "platform/CursorGuard.h"
#include "platform/HelpTopicTag.h"
#include "platform/SharedOpenDialog.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <memory>

namespace tarvin {

using namespace misc_texts;

namespace {

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

// The font panel's 32 by 32 picture.
QPixmap FontPicture() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(20);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Aa"));
    return picture;
}

QPushButton* Toggle(const char* caption, QWidget* parent) {
    auto* button = new QPushButton(Text(caption), parent);
    button->setCheckable(true);
    return button;
}

// A labelled box: What's This on the label and the box, F1 on the box.
void SetBoxHelp(QLabel* label, QWidget* box, int topic) {
    SetHelpTopic(label, topic);
    SetHelpTopic(box, topic);
    SetHelpContext(box, topic);
}

} // namespace

TfrmMisc::TfrmMisc(SharedOpenDialog& openDialog, QString homeFolder, QWidget* parent)
    : QDialog(parent),
      openDialog_(openDialog),
      homeFolder_(std::move(homeFolder)),
      programFolder_(QCoreApplication::applicationDirPath() + QLatin1Char('/')) {
    setWindowTitle(Text(kBookmarksCaption));
    setFixedSize(440, 206);

    pages_ = new QStackedWidget(this);
    pages_->setGeometry(8, 8, 425, 161);
    lstBookmarks_ = new QListWidget(pages_);
    lstBookmarks_->setObjectName(QStringLiteral("lstBookmarks"));
    SetHelpContext(lstBookmarks_, 32);
    pnlFont_ = BuildFontPanel();
    pnlMeta_ = BuildMetaPanel();
    for (QWidget* page : {static_cast<QWidget*>(lstBookmarks_), pnlFont_, pnlMeta_}) pages_->addWidget(page);

    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setGeometry(277, 176, 75, 25);
    btnOK_->setDefault(true);
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    btnCancel_->setGeometry(358, 176, 75, 25);

    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstBookmarks_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

QWidget* TfrmMisc::BuildFontPanel() {
    auto* panel = new QWidget(pages_);
    panel->setObjectName(QStringLiteral("pnlFont"));

    auto* picture = new QLabel(panel);
    picture->setPixmap(FontPicture());
    picture->setFixedSize(32, 32);

    cbName_ = new QComboBox(panel);
    cbName_->setObjectName(QStringLiteral("cbName"));
    auto* lblName = new QLabel(QStringLiteral("&Name"), panel);
    lblName->setBuddy(cbName_);
    SetBoxHelp(lblName, cbName_, 39);

    cbSize_ = new QComboBox(panel);
    cbSize_->setObjectName(QStringLiteral("cbSize"));
    for (int row = 0; row < static_cast<int>(std::size(kSizePoints)); ++row) cbSize_->addItem(QString::number(7 - row));
    auto* lblSize = new QLabel(QStringLiteral("&Size"), panel);
    lblSize->setBuddy(cbSize_);
    SetBoxHelp(lblSize, cbSize_, 38);

    btnBold_ = Toggle("Bold", panel);
    btnBold_->setObjectName(QStringLiteral("btnBold"));
    btnItalic_ = Toggle("Italic", panel);
    btnItalic_->setObjectName(QStringLiteral("btnItalic"));
    btnUnderline_ = Toggle("Underline", panel);
    btnUnderline_->setObjectName(QStringLiteral("btnUnderline"));
    btnColor_ = new QPushButton(QStringLiteral("Color"), panel);
    btnColor_->setObjectName(QStringLiteral("btnColor"));

    lblPreview_ = new QLabel(QStringLiteral("Sample Font"), panel);
    lblPreview_->setObjectName(QStringLiteral("lblPreview"));
    lblPreview_->setAlignment(Qt::AlignCenter);
    lblPreview_->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    SetHelpTopic(lblPreview_, 36);
    // The frame is its own widget so it keeps its colour when the sample's changes.
    auto* frame = new QFrame(panel);
    frame->setFrameShape(QFrame::StyledPanel);
    (new QVBoxLayout(frame))->addWidget(lblPreview_);

    auto* styles = new QHBoxLayout;
    for (QPushButton* button : {btnBold_, btnItalic_, btnUnderline_}) styles->addWidget(button);
    styles->addStretch();
    styles->addWidget(btnColor_);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(lblName, 0, 1);
    grid->addWidget(cbName_, 0, 2);
    grid->addWidget(lblSize, 1, 1);
    grid->addWidget(cbSize_, 1, 2);
    auto* lblStyles = new QLabel(QStringLiteral("Styles"), panel);
    SetHelpTopic(lblStyles, 37);
    grid->addWidget(lblStyles, 2, 1);
    grid->addLayout(styles, 2, 2);
    grid->addWidget(frame, 3, 0, 1, 3);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(2, 1);

    connect(cbName_, &QComboBox::activated, this, [this](int row) {
        QFont font = lblPreview_->font();
        font.setFamily(cbName_->itemText(row));
        lblPreview_->setFont(font);
    });
    connect(cbSize_, &QComboBox::activated, this, [this](int row) {
        QFont font = lblPreview_->font();
        font.setPointSize(kSizePoints[row]);
        lblPreview_->setFont(font);
    });
    connect(btnColor_, &QPushButton::clicked, this, &TfrmMisc::PickSampleColor);
    connect(btnBold_, &QPushButton::clicked, this, [this](bool down) { SetSampleStyle(&QFont::setBold, down); });
    connect(btnItalic_, &QPushButton::clicked, this, [this](bool down) { SetSampleStyle(&QFont::setItalic, down); });
    connect(btnUnderline_, &QPushButton::clicked, this,
            [this](bool down) { SetSampleStyle(&QFont::setUnderline, down); });
    return panel;
}

QWidget* TfrmMisc::BuildMetaPanel() {
    auto* panel = new QWidget(pages_);
    panel->setObjectName(QStringLiteral("pnlMeta"));

    auto* explanation = new QLabel(Text(kMetaExplanation), panel);
    explanation->setWordWrap(true);
    SetHelpTopic(explanation, 12);

    txtMetaContent_ = new QLineEdit(panel);
    txtMetaContent_->setObjectName(QStringLiteral("txtMetaContent"));
    auto* lblContent = new QLabel(QStringLiteral("Meta &Content"), panel);
    lblContent->setBuddy(txtMetaContent_);
    SetBoxHelp(lblContent, txtMetaContent_, 14);

    cbMetaName_ = new QComboBox(panel);
    cbMetaName_->setObjectName(QStringLiteral("cbMetaName"));
    for (const char* name : kMetaNames) cbMetaName_->addItem(Text(name));
    auto* lblName = new QLabel(QStringLiteral("Meta &Name (Right-click here for Meta Tag Tips)"), panel);
    lblName->setToolTip(Text(kMetaTips));
    lblName->setBuddy(cbMetaName_);
    SetBoxHelp(lblName, cbMetaName_, 13);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(explanation);
    layout->addWidget(lblContent);
    layout->addWidget(txtMetaContent_);
    layout->addWidget(lblName);
    layout->addWidget(cbMetaName_);
    layout->addStretch();

    connect(txtMetaContent_, &QLineEdit::textChanged, this, &TfrmMisc::UpdateOkForMeta);
    return panel;
}

void TfrmMisc::SetSample(const QFont& font, const QColor& color) {
    lblPreview_->setFont(font);
    SetSampleColor(color);
}

void TfrmMisc::SetSampleColor(const QColor& color) {
    QPalette palette = lblPreview_->palette();
    palette.setColor(QPalette::WindowText, color);
    lblPreview_->setPalette(palette);
}

QFont TfrmMisc::SampleFont() const {
    return lblPreview_->font();
}

QColor TfrmMisc::SampleColor() const {
    return lblPreview_->palette().color(QPalette::WindowText);
}

void TfrmMisc::SetSampleStyle(void (QFont::*setStyle)(bool), bool on) {
    QFont font = lblPreview_->font();
    (font.*setStyle)(on);
    lblPreview_->setFont(font);
}

void TfrmMisc::PickSampleColor() {
    std::unique_ptr<TfrmColor> picker;
    {
        const HourglassCursor hourglass;  // while the picker reads its palette
        picker = std::make_unique<TfrmColor>(openDialog_.Prompts(), programFolder_, this);
        picker->SetPickedColor(FromQColor(SampleColor()));
    }
    if (picker->exec() == QDialog::Accepted) SetSampleColor(ToQColor(picker->PickedColor()));
}

void TfrmMisc::SelectMetaName(const QString& name) {
    givenMetaName_ = name;
    cbMetaName_->setCurrentIndex(cbMetaName_->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TfrmMisc::SetMetaContent(const QString& content) {
    txtMetaContent_->setText(content);
}

QString TfrmMisc::MetaName() const {
    return cbMetaName_->currentIndex() >= 0 ? cbMetaName_->currentText() : givenMetaName_;
}

QString TfrmMisc::MetaContent() const {
    return txtMetaContent_->text();
}

void TfrmMisc::UpdateOkForMeta() {
    btnOK_->setEnabled(!txtMetaContent_->text().isEmpty());
}

bool TfrmMisc::ReadBookmarkFile(const QString& path) {
    if (!QFileInfo(path).isFile()) return false;
    HourglassCursor hourglass;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return false;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        lstBookmarks_->addItems(BookmarkAddresses(FromDocumentText(line.toStdString())));
    }
    FinishBookmarkList();
    return true;
}

void TfrmMisc::FinishBookmarkList() {
    if (lstBookmarks_->count() == 0) lstBookmarks_->addItem(Text(kNoBookmarks));
    lstBookmarks_->setCurrentRow(0);
}

std::optional<QString> TfrmMisc::SelectedBookmark() const {
    const QListWidgetItem* item = lstBookmarks_->currentItem();
    if (!item || !item->isSelected()) return std::nullopt;
    return item->text();
}

void TfrmMisc::ShowFontFace() {
    setWindowTitle(Text(kFontCaption));
    QFont sample = lblPreview_->font();
    // A name kept with its foundry goes back to the page without it.
    sample.setFamily(PlainFamilyName(sample.family()));
    lblPreview_->setFont(sample);
    cbName_->clear();
    cbName_->addItems(PlainFamilyNames(QFontDatabase::families()));
    cbName_->setCurrentIndex(cbName_->findText(sample.family(), Qt::MatchExactly | Qt::MatchCaseSensitive));
    const auto* size = std::find(std::begin(kSizePoints), std::end(kSizePoints), sample.pointSize());
    cbSize_->setCurrentIndex(size == std::end(kSizePoints) ? -1 : static_cast<int>(size - std::begin(kSizePoints)));
    btnBold_->setChecked(sample.bold());
    btnItalic_->setChecked(sample.italic());
    btnUnderline_->setChecked(sample.underline());
    pages_->setCurrentWidget(pnlFont_);
    cbName_->setFocus();
}

void TfrmMisc::ShowMetaFace() {
    setWindowTitle(Text(kMetaCaption));
    UpdateOkForMeta();
    pages_->setCurrentWidget(pnlMeta_);
    txtMetaContent_->setFocus();
}

bool TfrmMisc::ShowBookmarksFace() {
    pages_->setCurrentWidget(lstBookmarks_);
    const QString found = FindBookmarkFile(homeFolder_);
    if (!found.isEmpty() && ReadBookmarkFile(found)) return true;
    if (openDialog_.Prompts().Ask(MessageIcon::Information, Text(kFindBookmarks), false) != Answer::Yes) {
        FinishBookmarkList();
        return false;
    }
    FileDialogRequest& request = openDialog_.Request();
    request.filter = Text(kBookmarkFilter);
    request.fileName.clear();
    const std::optional<QString> chosen = openDialog_.Execute();
    if (!chosen) return false;
    ReadBookmarkFile(*chosen);  // whatever its outcome, the list is shown
    return true;
}

bool TfrmMisc::FormShow() {
    switch (mode_) {
    case dmFont: ShowFontFace(); return true;
    case dmMeta: ShowMetaFace(); return true;
    case dmBookmarks: break;
    }
    return ShowBookmarksFace();
}

int TfrmMisc::exec() {
    if (!FormShow()) {
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

} // namespace tarvin
