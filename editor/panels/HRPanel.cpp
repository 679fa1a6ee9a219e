#include "editor/panels/HRPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace tarvin {

namespace {

constexpr int BevelWidth = 250;
constexpr int BevelHeights[] = {3, 6, 9, 12, 15, 18};

class UpDownBox : public QSpinBox {
public:
    UpDownBox()
    {
        lineEdit()->setReadOnly(true);
        setRange(5, 100);
        setSingleStep(5);
        setValue(100);
        setWrapping(false);
    }
};

} // namespace

int LinePreviewWidth(int percent, int fullWidth)
{
    const int scaled = percent * fullWidth;
    int width = scaled / 100;
    const int remainder = scaled % 100;
    if (remainder > 50 || (remainder == 50 && width % 2 != 0))
        ++width;
    return width;
}

HRPanel::HRPanel(QWidget* parent)
    : BlockPanel(TBlockType::btHR, "Horizontal Line", "Add a line to separate parts of the page with a page divider.", parent),
      LinePreviewFullWidth(BevelWidth)
{
    updnHRWidth = new UpDownBox;
    cbHR = new QComboBox;
    cbHR->addItems({"1 Thinnest", "2 Thinner", "3 Thin", "4 Thick", "5 Thicker", "6 Thickest"});
    chkNoShade = new QCheckBox("&Yes, make line noshade");
    previewArea_ = new QWidget;
    previewArea_->setMinimumSize(BevelWidth + 8, BevelHeights[5] + 8);
    bevHR = new QFrame(previewArea_);
    bevHR->setFrameShape(QFrame::Panel);
    bevHR->setFrameShadow(QFrame::Sunken);
    bevHR->setGeometry(4, 4, BevelWidth, BevelHeights[0]);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("How wide is this line? (% Percentage)"), 0, 0);
    grid->addWidget(updnHRWidth, 1, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel("How thick is this line?"), 2, 0);
    grid->addWidget(cbHR, 3, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel("Do you want to remove the line shading?"), 4, 0);
    grid->addWidget(chkNoShade, 5, 0);
    grid->addWidget(new QLabel("Active Preview"), 6, 0);
    grid->addWidget(previewArea_, 7, 0);
    Body()->addLayout(grid);
    Body()->addStretch();

    connect(cbHR, &QComboBox::currentIndexChanged, this, &HRPanel::cbHRChange);
    connect(updnHRWidth, &QSpinBox::valueChanged, this, &HRPanel::updnHRWidthClick);
}

void HRPanel::Store(TPageItem& item, TPagelette&)
{
    THRBlock& block = item.HRBlock();
    block.Size = cbHR->currentIndex();
    block.Width = updnHRWidth->value();
    block.NoShade = chkNoShade->isChecked();
}

void HRPanel::Show(TPageItem& item, TPagelette&)
{
    const THRBlock& block = item.HRBlock();
    cbHR->setCurrentIndex(block.Size);
    updnHRWidth->setValue(block.Width);
    chkNoShade->setChecked(block.NoShade);
    cbHRChange();
    updnHRWidthClick();
}

void HRPanel::cbHRChange()
{
    const int row = cbHR->currentIndex();
    if (row >= 0 && row < static_cast<int>(std::size(BevelHeights)))
        bevHR->resize(bevHR->width(), BevelHeights[row]);
}

// The preview is kept centred, also when the panel changes size.
void HRPanel::updnHRWidthClick()
{
    bevHR->resize(LinePreviewWidth(updnHRWidth->value(), LinePreviewFullWidth), bevHR->height());
    bevHR->move((previewArea_->width() - bevHR->width()) / 2, bevHR->y());
}

void HRPanel::resizeEvent(QResizeEvent* event)
{
    BlockPanel::resizeEvent(event);
    updnHRWidthClick();
}

} // namespace tarvin
