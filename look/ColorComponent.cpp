#include "look/ColorComponent.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScrollBar>

namespace tarvin {

namespace {

// Hexadecimal digits only, shown in capitals. Unlike a key filter this also
// holds for pasted text.
class HexDigits : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        for (QChar c : input)
            if (!c.isDigit() && (c < QLatin1Char('A') || c > QLatin1Char('F'))) return Invalid;
        return Acceptable;
    }
};

// Decimal as is; hexadecimal as two upper-case digits.
QString Number(int value, int base) {
    return base == 16 ? QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'))
                      : QString::number(value);
}

QLineEdit* Box(const QString& name, int maxLength, const QString& text, QValidator* validator, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    box->setValidator(validator);
    return box;
}

} // namespace

ColorComponent::ColorComponent(const QString& name, QWidget* parent) : QObject(parent) {
    hsb_ = new QScrollBar(Qt::Horizontal, parent);
    hsb_->setObjectName(QStringLiteral("hsb") + name);
    hsb_->setRange(0, 255);
    hsb_->setPageStep(5);
    hsb_->setValue(255);
    hsb_->setFocusPolicy(Qt::NoFocus);
    txt_ = Box(QStringLiteral("txt") + name, 3, QStringLiteral("255"),
               new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), parent), parent);
    txtH_ = Box(QStringLiteral("txtH") + name, 2, QStringLiteral("FF"), new HexDigits(parent), parent);

    connect(hsb_, &QScrollBar::valueChanged, this, &ColorComponent::BarChanged);
    // Decimal text counts as it is typed; hexadecimal text when the box is left
    // or Return is pressed, so OK by Return takes what was typed.
    connect(txt_, &QLineEdit::textChanged, this, &ColorComponent::ApplyDecimalText);
    connect(txtH_, &QLineEdit::editingFinished, this, &ColorComponent::ApplyHexText);
}

int ColorComponent::Value() const {
    return hsb_->value();
}

// The decimal box's change then applies its text, which moves nothing further.
void ColorComponent::BarChanged(int position) {
    txt_->setText(Number(position, 10));
    txtH_->setText(Number(position, 16));
}

void ColorComponent::ApplyDecimalText() {
    bool ok = false;
    const int value = txt_->text().toInt(&ok);
    if (ok && value < 256)
        hsb_->setValue(value);
    else
        ResetText(txt_, 10);  // empty, or 256 and above
    emit Applied();
}

void ColorComponent::ApplyHexText() {
    const QString text = txtH_->text();
    bool ok = false;
    const int value = text.toInt(&ok, 16);
    if (ok && text.size() == 2)
        hsb_->setValue(value);
    else
        ResetText(txtH_, 16);
    emit Applied();
}

void ColorComponent::ResetText(QLineEdit* box, int base) {
    box->setText(Number(hsb_->value(), base));
}

} // namespace tarvin
