#pragma once
// The colour picker: a grid of 256 swatches from a palette file, red, green
// and blue scroll bars, and a decimal and a hexadecimal box per component.
//
// The caller creates it for one showing, sets the starting colour, runs it and
// after OK reads the colour the user picked:
//
//   TfrmColor picker(dialogs, programFolder, parent);
//   picker.SetPickedColor(color);
//   if (picker.exec() == QDialog::Accepted) color = picker.PickedColor();
//
// Palettes are the *.pal files in the Palettes/ folder of the program folder;
// each picker starts with "Web Palette.pal".

#include "document/PageModel.h"

#include <QDialog>

class QComboBox;
class QFrame;

namespace tarvin {

class ColorComponent;
class Dialogs;
class PaletteArea;

class TfrmColor : public QDialog {
    Q_OBJECT
public:
    // programFolder ends in "/". dialogs reports palette files that cannot be read.
    TfrmColor(Dialogs& dialogs, const QString& programFolder, QWidget* parent = nullptr);

    void SetPickedColor(TColor color) { pickedColor_ = color & 0x00FFFFFF; }
    // After any close: the sample's colour. Worth reading only after OK.
    TColor PickedColor() const { return pickedColor_; }

    void done(int result) override;

protected:
    // Sets the scroll bars to the picked colour.
    void showEvent(QShowEvent* event) override;

private:
    void ListPalettes();
    void LoadPalette(const QString& path);
    void PickCell(int column, int row);
    void ShowSample(TColor color);
    TColor BarsColor() const;
    TColor SampleColor() const;

    Dialogs& dialogs_;
    QString palettesFolder_;
    TColor pickedColor_ = 0;

    PaletteArea* pbPalette_;
    QFrame* shpPicker_;
    QComboBox* cbPalette_;
    ColorComponent* red_;
    ColorComponent* green_;
    ColorComponent* blue_;
    QFrame* shpPreview_;
};

} // namespace tarvin
