#pragma once
// One colour component in the picker: its scroll bar (0 to 255), its decimal
// box and its hexadecimal box, kept in step. Whatever the user moves or types,
// the scroll bar holds the component's value.

#include <QObject>
#include <QString>

class QLineEdit;
class QScrollBar;
class QWidget;

namespace tarvin {

class ColorComponent : public QObject {
    Q_OBJECT
public:
    // name: "Red", "Green" or "Blue", giving hsbRed, txtRed and txtHRed.
    ColorComponent(const QString& name, QWidget* parent);

    QScrollBar* Bar() const { return hsb_; }
    QLineEdit* Decimal() const { return txt_; }
    QLineEdit* Hex() const { return txtH_; }
    int Value() const;

signals:
    // The box's text was applied; the scroll bar may or may not have moved.
    void Applied();

private:
    void BarChanged(int position);
    void ApplyDecimalText();
    void ApplyHexText();
    void ResetText(QLineEdit* box, int base);

    QScrollBar* hsb_;
    QLineEdit* txt_;
    QLineEdit* txtH_;
};

} // namespace tarvin
