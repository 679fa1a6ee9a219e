#pragma once
// Qt's font chooser with a Color button beside it: fonts here carry a colour.

#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QPushButton;

namespace tarvin {

class FontColorDialog : public QDialog {
public:
    FontColorDialog(const QFont& font, const QColor& color, QWidget* parent = nullptr);

    QFont SelectedFont() const;
    QColor SelectedColor() const { return color_; }

private:
    void ShowColor();

    QFontDialog* fonts_;
    QPushButton* btnColor_;
    QColor color_;
};

} // namespace tarvin
