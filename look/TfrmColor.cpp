#include "look/TfrmColor.h"

#include "look/ColorComponent.h"
#include "look/ColorConvert.h"
#include "look/EyedropperCursor.h"
#include "look/PaletteArea.h"
#include "platform/Dialogs.h"
#include "platform/HelpTopicTag.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>

namespace tarvin {

namespace {

const QString kPaletteExtension = QStringLiteral(".pal");
const QString kDefaultPalette = QStringLiteral("Web Palette");

QLabel* Label(const QString& text, const QRect& at, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    return label;
}

QFrame* Filled(const QColor& color, const QRect& at, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setGeometry(at);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, color);
    frame->setPalette(palette);
    return frame;
}

} // namespace

TfrmColor::TfrmColor(Dialogs& dialogs, const QString& programFolder, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), palettesFolder_(programFolder + QStringLiteral("Palettes/")) {
    setWindowTitle(QStringLiteral("Color Picker"));
    setFixedSize(460, 258);

    pbPalette_ = new PaletteArea(this);
    pbPalette_->setObjectName(QStringLiteral("pbPalette"));
    pbPalette_->move(8, 8);
    pbPalette_->setCursor(EyedropperCursor());
    shpPicker_ = new QFrame(pbPalette_);
    shpPicker_->setObjectName(QStringLiteral("shpPicker"));
    shpPicker_->setStyleSheet(QStringLiteral("QFrame { border: 2px solid red; background: transparent; }"));
    shpPicker_->resize(17, 17);
    shpPicker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    shpPicker_->hide();

    cbPalette_ = new QComboBox(this);
    cbPalette_->setObjectName(QStringLiteral("cbPalette"));
    cbPalette_->setGeometry(262, 26, 190, 24);
    QLabel* paletteName = Label(QStringLiteral("&Palette Name"), {262, 8, 190, 16}, this);
    paletteName->setBuddy(cbPalette_);
    SetHelpTopic(paletteName, 45);
    SetHelpContext(cbPalette_, 45);
    SetHelpTopic(pbPalette_, 46);

    Label(QStringLiteral("RGB"), {384, 62, 36, 16}, this)->setAlignment(Qt::AlignCenter);
    Label(QStringLiteral("HEX"), {426, 62, 26, 16}, this)->setAlignment(Qt::AlignCenter);
    const struct {
        const char* name;
        QColor mark;
        ColorComponent** component;
    } rows[] = {{"Red", Qt::red, &red_}, {"Green", QColor(0, 255, 0), &green_}, {"Blue", Qt::blue, &blue_}};
    int y = 82;
    for (const auto& row : rows) {
        auto* component = new ColorComponent(QString::fromLatin1(row.name), this);
        Filled(row.mark, {262, y + 2, 12, 12}, this)->setFrameShape(QFrame::Box);
        component->Bar()->setGeometry(280, y, 98, 17);
        component->Decimal()->setGeometry(384, y - 2, 36, 21);
        component->Hex()->setGeometry(426, y - 2, 26, 21);
        SetHelpContext(component->Bar(), 41);
        SetHelpContext(component->Decimal(), 44);
        SetHelpContext(component->Hex(), 43);
        connect(component, &ColorComponent::Applied, this, [this] { ShowSample(BarsColor()); });
        *row.component = component;
        y += 28;
    }

    SetHelpTopic(Label(QStringLiteral("Sample"), {262, 166, 190, 16}, this), 42);
    shpPreview_ = Filled(Qt::white, {262, 184, 190, 32}, this);
    shpPreview_->setObjectName(QStringLiteral("shpPreview"));
    shpPreview_->setFrameShape(QFrame::Box);

    auto* bntOK = new QPushButton(QStringLiteral("OK"), this);
    bntOK->setObjectName(QStringLiteral("bntOK"));
    bntOK->setGeometry(296, 225, 75, 25);
    bntOK->setDefault(true);
    auto* btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(377, 225, 75, 25);

    connect(bntOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(pbPalette_, &PaletteArea::CellClicked, this, &TfrmColor::PickCell);
    connect(cbPalette_, &QComboBox::activated, this,
            [this](int row) { LoadPalette(cbPalette_->itemData(row).toString()); });

    ListPalettes();
    LoadPalette(palettesFolder_ + kDefaultPalette + kPaletteExtension);
    cbPalette_->setCurrentIndex(cbPalette_->findText(kDefaultPalette, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

// Each entry keeps its file's path, so the entry opens the very file that was
// listed whatever the letter case of its extension.
void TfrmColor::ListPalettes() {
    const QDir folder(palettesFolder_);
    for (const QFileInfo& file : folder.entryInfoList({QLatin1Char('*') + kPaletteExtension}, QDir::Files, QDir::Name))
        cbPalette_->addItem(file.fileName().chopped(kPaletteExtension.size()), file.filePath());
}

void TfrmColor::LoadPalette(const QString& path) {
    shpPicker_->hide();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        dialogs_.Error(QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    const QByteArray text = file.readAll();
    SharedPalette() = {ParsePalette(std::string_view(text.constData(), text.size())), true};
    pbPalette_->update();
}

void TfrmColor::PickCell(int column, int row) {
    shpPicker_->move(column * PaletteArea::Pitch, row * PaletteArea::Pitch);
    shpPicker_->show();
    if (column >= 16 || row >= 16) return;
    const TColor color = SharedPalette().colors[row * 16 + column];
    ShowSample(color);
    const QColor rgb = ToQColor(color);
    red_->Decimal()->setText(QString::number(rgb.red()));
    green_->Decimal()->setText(QString::number(rgb.green()));
    blue_->Decimal()->setText(QString::number(rgb.blue()));
}

void TfrmColor::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        const QColor rgb = ToQColor(pickedColor_);
        red_->Bar()->setValue(rgb.red());
        green_->Bar()->setValue(rgb.green());
        blue_->Bar()->setValue(rgb.blue());
    }
    QDialog::showEvent(event);
}

void TfrmColor::done(int result) {
    pickedColor_ = SampleColor();
    QDialog::done(result);
}

void TfrmColor::ShowSample(TColor color) {
    QPalette palette = shpPreview_->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    shpPreview_->setPalette(palette);
}

TColor TfrmColor::BarsColor() const {
    return FromQColor(QColor(red_->Value(), green_->Value(), blue_->Value()));
}

TColor TfrmColor::SampleColor() const {
    return FromQColor(shpPreview_->palette().color(QPalette::Window));
}

} // namespace tarvin
