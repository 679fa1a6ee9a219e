#pragma once
// pnlHR: a horizontal line's width, thickness and shading, with a live preview.

#include "editor/panels/BlockPanel.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QSpinBox;

namespace tarvin {

// The preview's width for a line of percent per cent, rounded to the nearest
// pixel with halves going to the even neighbour.
int LinePreviewWidth(int percent, int fullWidth);

class HRPanel : public BlockPanel {
    Q_OBJECT
public:
    explicit HRPanel(QWidget* parent = nullptr);

    void Store(TPageItem& item, TPagelette& document) override;
    void Show(TPageItem& item, TPagelette& document) override;

    // The box shows the up-down's position and cannot be typed in.
    QSpinBox* updnHRWidth;
    QComboBox* cbHR;
    QCheckBox* chkNoShade;
    QFrame* bevHR;
    // The preview's laid-out width, which stands for 100 per cent.
    const int LinePreviewFullWidth;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void cbHRChange();
    void updnHRWidthClick();

    QWidget* previewArea_;
};

} // namespace tarvin
