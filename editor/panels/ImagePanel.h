#pragma once
// pnlImages: an image block's picture (copied into Upload/images/), size,
// alignment, hint and link, with a thumbnail of the picture.

#include "editor/panels/BlockPanel.h"
#include "editor/panels/PanelServices.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QToolButton;

namespace tarvin {

// Centres control in the scroll area's client area; along an axis where it
// does not fit, it goes 12 pixels from the start.
void CenterInScrollBox(QWidget* control, QScrollArea* area);

class ImagePanel : public BlockPanel {
    Q_OBJECT
public:
    ImagePanel(const PanelServices& services, QWidget* parent = nullptr);

    void Store(TPageItem& item, TPagelette& document) override;
    void Show(TPageItem& item, TPagelette& document) override;

    void btnImagePicClick();
    // The full path of the picture the thumbnail shows (also its hint).
    QString PicturePath() const { return picturePath_; }

    QLineEdit* txtImageFile;
    QToolButton* btnImagePic;
    QLineEdit* txtImageH;
    QLineEdit* txtImageW;
    QComboBox* cbImageAlign;
    QLineEdit* txtImageAlt;
    QLineEdit* txtImageLink;
    QToolButton* btnImageLink;
    QToolButton* btnImageIE;
    QToolButton* btnImageNetscape;
    QScrollArea* sboxImages;
    QLabel* imgImageView;
    QLabel* lblImageError;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString ImagesFolder() const;
    void SetPicturePath(const QString& path);
    // False, with the thumbnail unchanged, when the file cannot be loaded.
    bool LoadThumbnail(const QString& path);
    void ClearThumbnail();
    void CentreThumbnail();

    const PanelServices& services_;
    QString picturePath_;
};

} // namespace tarvin
