#include "platform/PicturePreview.h"

#include "platform/Pictures.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

namespace tarvin {

void AttachPicturePreview(QFileDialog& dialog) {
    // Only Qt's own dialog has a layout to add to.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) return;
    constexpr int kSide = 160;
    auto* preview = new QLabel(&dialog);
    preview->setFixedSize(kSide, kSide);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
        const QPixmap picture = LoadPicture(path);
        const bool fits = picture.width() <= kSide && picture.height() <= kSide;
        preview->setPixmap(picture.isNull() || fits
                               ? picture
                               : picture.scaled(kSide, kSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    });
}

} // namespace tarvin
