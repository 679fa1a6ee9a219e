#include "platform/FontColorDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvin {

FontColorDialog::FontColorDialog(const QFont& font, const QColor& color, QWidget* parent)
    : QDialog(parent), color_(color) {
    setWindowTitle(QStringLiteral("Font"));
    // The font dialog is embedded as a plain widget, with this dialog's buttons.
    fonts_ = new QFontDialog(font, this);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setWindowFlags(Qt::Widget);

    btnColor_ = new QPushButton(QStringLiteral("&Color..."), this);
    connect(btnColor_, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(color_, this);
        if (chosen.isValid()) {
            color_ = chosen;
            ShowColor();
        }
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(btnColor_);
    row->addStretch();
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(row);
    ShowColor();
}

QFont FontColorDialog::SelectedFont() const {
    return fonts_->currentFont();
}

// The button wears a swatch of the chosen colour.
void FontColorDialog::ShowColor() {
    QPixmap swatch(16, 16);
    swatch.fill(color_);
    btnColor_->setIcon(QIcon(swatch));
}

} // namespace tarvin
