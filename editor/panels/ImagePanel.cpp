#include "editor/panels/ImagePanel.h"

#include "editor/EditorTexts.h"
#include "editor/LinkSources.h"
#include "editor/TextBinding.h"
#include "editor/panels/GlyphButton.h"
#include "platform/CursorGuard.h"
#include "platform/Dialogs.h"
#include "platform/FileCopy.h"
#include "platform/Pictures.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

namespace tarvin {

namespace {

constexpr int OffCentre = 12;

int CentredOffset(int space, int size)
{
    return size <= space ? (space - size) / 2 : OffCentre;
}

} // namespace

void CenterInScrollBox(QWidget* control, QScrollArea* area)
{
    const QSize client = area->viewport()->size();
    QWidget* canvas = area->widget();
    canvas->resize(qMax(client.width(), control->width() + 2 * OffCentre), qMax(client.height(), control->height() + 2 * OffCentre));
    control->move(CentredOffset(client.width(), control->width()), CentredOffset(client.height(), control->height()));
}

ImagePanel::ImagePanel(const PanelServices& services, QWidget* parent)
    : BlockPanel(TBlockType::btImage, "Image",
                 "Select an image for your page. To make it a link add a link in Make image a link.", parent),
      services_(services)
{
    auto* grid = new QGridLayout;
    txtImageFile = LabelledBox(grid, 0, "I&mage");
    btnImagePic = MakeGlyphButton(Glyph::Browse, "Browse");
    grid->addWidget(btnImagePic, 0, 2);
    txtImageH = LabelledBox(grid, 1, "&Height");
    txtImageW = LabelledBox(grid, 2, "&Width");
    cbImageAlign = new QComboBox;
    cbImageAlign->setEditable(true);
    cbImageAlign->addItems({"LEFT", "RIGHT", "TOP", "MIDDLE", "BOTTOM", "ABSMIDDLE"});
    cbImageAlign->setCurrentIndex(-1);
    auto* alignLabel = new QLabel("&Align");
    alignLabel->setBuddy(cbImageAlign);
    grid->addWidget(alignLabel, 3, 0);
    grid->addWidget(cbImageAlign, 3, 1);
    txtImageAlt = LabelledBox(grid, 4, "&Image Hint:");
    txtImageLink = LabelledBox(grid, 5, "Make image a lin&k");
    btnImageLink = MakeGlyphButton(Glyph::Browse, "Browse");
    btnImageIE = MakeGlyphButton(Glyph::Favorites, "Favorites");
    btnImageNetscape = MakeGlyphButton(Glyph::Bookmarks, "Netscape Bookmarks");
    auto* linkButtons = new QHBoxLayout;
    linkButtons->addWidget(btnImageLink);
    linkButtons->addWidget(btnImageIE);
    linkButtons->addWidget(btnImageNetscape);
    grid->addLayout(linkButtons, 5, 2);
    grid->setColumnStretch(1, 1);
    Body()->addLayout(grid);

    sboxImages = new QScrollArea;
    auto* canvas = new QWidget;
    sboxImages->setWidget(canvas);
    imgImageView = new QLabel(canvas);
    lblImageError = new QLabel("No Image", canvas);
    lblImageError->adjustSize();
    lblImageError->hide();
    Body()->addWidget(sboxImages, 1);

    connect(btnImagePic, &QToolButton::clicked, this, &ImagePanel::btnImagePicClick);
    LinkSources& sources = services.linkSources;
    connect(btnImageLink, &QToolButton::clicked, this, [this, &sources] { sources.Browse(txtImageLink); });
    connect(btnImageIE, &QToolButton::clicked, this, [this, &sources] { sources.Favorites(txtImageLink); });
    connect(btnImageNetscape, &QToolButton::clicked, this, [this, &sources] { sources.Bookmarks(txtImageLink); });
}

QString ImagePanel::ImagesFolder() const
{
    return services_.programFolder + texts::ImagesFolder;
}

void ImagePanel::Store(TPageItem& item, TPagelette&)
{
    TImageBlock& block = item.ImageBlock();
    block.FileName = ToDocumentText(picturePath_.mid(picturePath_.lastIndexOf('/') + 1));
    block.Height = TextOf(txtImageH);
    block.Width = TextOf(txtImageW);
    block.Alt = TextOf(txtImageAlt);
    block.Align = ToDocumentText(cbImageAlign->currentText());
    block.ImageLink = TextOf(txtImageLink);
}

void ImagePanel::Show(TPageItem& item, TPagelette&)
{
    const TImageBlock& block = item.ImageBlock();
    SetText(txtImageFile, block.FileName);
    SetText(txtImageH, block.Height);
    SetText(txtImageW, block.Width);
    SetText(txtImageAlt, block.Alt);
    cbImageAlign->setCurrentText(FromDocumentText(block.Align));
    SetText(txtImageLink, block.ImageLink);

    SetPicturePath(ImagesFolder() + FromDocumentText(block.FileName));
    // A picture that fails to load must not leave another block's picture on show.
    if (!QFileInfo(picturePath_).isFile() || !LoadThumbnail(picturePath_))
        ClearThumbnail();
    CentreThumbnail();
}

void ImagePanel::btnImagePicClick()
{
    FileDialogRequest request;
    request.filter = texts::ImageFilter;
    request.initialFolder = ImagesFolder();
    const std::optional<QString> chosen = services_.dialogs.OpenPicture(request);
    if (!chosen)
        return;
    // The copy comes first: a picture that does not reach the images folder
    // would be missing from the published page, so the block keeps its own.
    const CopyOutcome copied = [&] {
        const HourglassCursor hourglass;
        return CopyFileNoReplace(*chosen, ImagesFolder());
    }();
    if (copied == CopyOutcome::Failed) {
        services_.dialogs.Error(QString(texts::PictureNotCopied).arg(QDir::toNativeSeparators(*chosen), QDir::toNativeSeparators(ImagesFolder())));
        return;
    }

    lblImageError->hide();
    if (LoadThumbnail(*chosen)) {
        txtImageH->setText(QString::number(imgImageView->pixmap().height()));
        txtImageW->setText(QString::number(imgImageView->pixmap().width()));
    }
    CentreThumbnail();
    const QString name = QFileInfo(*chosen).fileName();
    txtImageFile->setText(name);
    // An existing file of that name is never replaced; the block then refers
    // to it by name while the thumbnail keeps showing the chosen picture.
    SetPicturePath(copied == CopyOutcome::AlreadyThere ? *chosen : ImagesFolder() + name);
}

void ImagePanel::SetPicturePath(const QString& path)
{
    picturePath_ = path;
    imgImageView->setToolTip(path);
}

bool ImagePanel::LoadThumbnail(const QString& path)
{
    const HourglassCursor hourglass;
    const QPixmap picture = LoadPicture(path);
    if (picture.isNull())
        return false;
    imgImageView->setPixmap(picture);
    imgImageView->adjustSize();
    imgImageView->show();
    lblImageError->hide();
    return true;
}

void ImagePanel::ClearThumbnail()
{
    imgImageView->clear();
    imgImageView->resize(0, 0);
    imgImageView->hide();
    lblImageError->show();
}

void ImagePanel::CentreThumbnail()
{
    QWidget* shown = lblImageError->isVisibleTo(sboxImages->widget()) ? static_cast<QWidget*>(lblImageError) : imgImageView;
    CenterInScrollBox(shown, sboxImages);
}

void ImagePanel::resizeEvent(QResizeEvent* event)
{
    BlockPanel::resizeEvent(event);
    CentreThumbnail();
}

} // namespace tarvin
