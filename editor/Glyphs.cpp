#include "editor/Glyphs.h"

#include "editor/GlyphAtlas.h"

#include <QResource>
#include <cstring>
#include <map>

namespace tarvin {

namespace {

// The atlas the build drew, copied once out of the resources.
const QImage& Atlas()
{
    static const QImage image = [] {
        QImage copy(atlas::Width, atlas::Height, atlas::PixelFormat);
        const QResource pixels(QStringLiteral(":/pictures/glyphs.pixels"));
        if (pixels.size() == copy.sizeInBytes() && pixels.compressionAlgorithm() == QResource::NoCompression)
            std::memcpy(copy.bits(), pixels.data(), static_cast<size_t>(copy.sizeInBytes()));
        else
            copy.fill(Qt::transparent);
        return copy;
    }();
    return image;
}

// Cut out on first use and kept for the run, so every user shares one object.
const QPixmap& Cut(atlas::Slot slot)
{
    static std::map<int, QPixmap> pictures;
    auto it = pictures.find(slot.top);
    if (it == pictures.end())
        it = pictures.emplace(slot.top, QPixmap::fromImage(Atlas().copy(0, slot.top, slot.size, slot.size))).first;
    return it->second;
}

} // namespace

const QPixmap& BlockIcon(TBlockType type) { return Cut(atlas::BlockSlot(type)); }
const QPixmap& BinPixmap(BinPicture picture) { return Cut(atlas::BinSlot(picture)); }
const QPixmap& GlyphPixmap(Glyph glyph) { return Cut(atlas::GlyphSlot(glyph)); }
QIcon GlyphIcon(Glyph glyph) { return QIcon(GlyphPixmap(glyph)); }
const QPixmap& NewDragCursor() { return Cut(atlas::CursorSlot(atlas::CursorPicture::NewDrag)); }
const QPixmap& SizeAllCursor() { return Cut(atlas::CursorSlot(atlas::CursorPicture::SizeAll)); }

} // namespace tarvin
