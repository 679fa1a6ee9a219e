#include "editor/GlyphDrawings.h"

#include "editor/GlyphAtlas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace tarvin {

namespace {

using Drawing = std::function<void(QPainter&)>;

const QColor kInk(40, 40, 60);
const QColor kPaper(250, 250, 245);
const QColor kBlue(40, 90, 200);

// The default sans-serif family, bold.
QFont GlyphFont(int pointSize)
{
    QFont font = QGuiApplication::font();
    font.setPointSize(pointSize);
    font.setBold(true);
    return font;
}

void Page(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(kPaper);
    QPainterPath path;
    path.moveTo(3, 1); path.lineTo(10, 1); path.lineTo(13, 4); path.lineTo(13, 15); path.lineTo(3, 15); path.closeSubpath();
    p.drawPath(path);
    p.drawLine(10, 1, 10, 4); p.drawLine(10, 4, 13, 4);
}

void TextLines(QPainter& p, int top, int count, int left = 3, int right = 13)
{
    p.setPen(QPen(kInk, 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(left, top + 3 * i, i == count - 1 ? (left + right) / 2 : right, top + 3 * i);
}

Drawing BlockDrawing(TBlockType type)
{
    switch (type) {
    case TBlockType::btPageProperties:
        return [](QPainter& p) { Page(p); p.setPen(kBlue); p.drawLine(5, 7, 11, 7); p.drawLine(5, 10, 11, 10); p.drawLine(5, 13, 9, 13); };
    case TBlockType::btHeading:
        return [](QPainter& p) {
            p.setPen(QPen(kBlue, 2.5));
            p.drawLine(3, 2, 3, 14); p.drawLine(13, 2, 13, 14); p.drawLine(3, 8, 13, 8);
        };
    case TBlockType::btImage:
        return [](QPainter& p) {
            p.setPen(kInk); p.setBrush(QColor(150, 200, 255)); p.drawRect(1, 2, 14, 12);
            p.setBrush(QColor(60, 160, 60)); p.setPen(Qt::NoPen);
            p.drawPolygon(QPolygon({QPoint(2, 14), QPoint(7, 7), QPoint(11, 14)}));
            p.setBrush(QColor(250, 200, 40)); p.drawEllipse(QPoint(11, 6), 2, 2);
        };
    case TBlockType::btLink:
        return [](QPainter& p) {
            p.setPen(QPen(QColor(120, 120, 130), 2)); p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(1, 5, 8, 6, 3, 3); p.drawRoundedRect(7, 5, 8, 6, 3, 3);
        };
    case TBlockType::btText:
        return [](QPainter& p) { TextLines(p, 3, 4, 2, 14); };
    case TBlockType::btBullet:
        return [](QPainter& p) {
            for (int y : {3, 8, 13}) {
                p.setPen(Qt::NoPen); p.setBrush(kBlue); p.drawEllipse(QPoint(3, y), 2, 2);
                p.setPen(kInk); p.drawLine(7, y, 14, y);
            }
        };
    case TBlockType::btHR:
        return [](QPainter& p) {
            p.setPen(QColor(160, 160, 160)); p.drawLine(1, 7, 14, 7);
            p.setPen(Qt::white); p.drawLine(1, 9, 14, 9);
            p.setPen(Qt::NoPen); p.setBrush(kInk); p.drawRect(1, 8, 14, 1);
        };
    case TBlockType::btForms:
        return [](QPainter& p) {
            p.setPen(kInk); p.setBrush(kPaper); p.drawRect(1, 3, 14, 10);
            p.drawLine(1, 3, 8, 9); p.drawLine(15, 3, 8, 9);
        };
    }
    return [](QPainter&) {};
}

Drawing BinDrawing(BinPicture picture)
{
    return [picture](QPainter& p) {
        if (picture == BinPicture::Full) {
            p.setPen(kInk); p.setBrush(kPaper);
            p.drawPolygon(QPolygon({QPoint(9, 10), QPoint(14, 2), QPoint(20, 6), QPoint(16, 11)}));
            p.drawPolygon(QPolygon({QPoint(15, 10), QPoint(22, 3), QPoint(25, 10)}));
        }
        p.setPen(QPen(kInk, 1.5)); p.setBrush(QColor(170, 180, 190));
        p.drawRect(5, 9, 22, 3);
        p.drawPolygon(QPolygon({QPoint(7, 12), QPoint(25, 12), QPoint(23, 30), QPoint(9, 30)}));
        for (int x : {12, 16, 20})
            p.drawLine(x, 15, x, 27);
    };
}

Drawing GlyphDrawing(Glyph glyph)
{
    switch (glyph) {
    case Glyph::New: return Page;
    case Glyph::Open:
        return [](QPainter& p) {
            p.setPen(kInk); p.setBrush(QColor(240, 200, 90));
            p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(6, 4), QPoint(7, 6), QPoint(14, 6), QPoint(14, 14), QPoint(1, 14)}));
        };
    case Glyph::SaveTemplate:
        return [](QPainter& p) { Page(p); p.setPen(Qt::NoPen); p.setBrush(QColor(230, 160, 20)); p.drawEllipse(QPoint(8, 10), 3, 3); };
    case Glyph::CreatePage:
        return [](QPainter& p) {
            Page(p); p.setPen(QPen(QColor(200, 80, 30), 2)); p.drawLine(6, 13, 14, 5);
        };
    case Glyph::ViewPage:
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 2)); p.setBrush(QColor(200, 230, 255));
            p.drawEllipse(QPoint(6, 6), 4, 4); p.drawLine(9, 9, 14, 14);
        };
    case Glyph::SavePage:
        return [](QPainter& p) {
            p.setPen(kInk); p.setBrush(kBlue); p.drawRect(1, 1, 14, 14);
            p.setBrush(Qt::white); p.drawRect(4, 1, 8, 5); p.drawRect(3, 9, 10, 6);
        };
    case Glyph::Upload:
        return [](QPainter& p) {
            p.setPen(kInk); p.setBrush(QColor(90, 160, 230)); p.drawEllipse(1, 1, 14, 14);
            p.setBrush(Qt::NoBrush); p.drawEllipse(5, 1, 6, 14); p.drawLine(1, 8, 15, 8);
        };
    case Glyph::Font:
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 2)); p.drawLine(2, 14, 7, 2); p.drawLine(7, 2, 12, 14); p.drawLine(4, 10, 10, 10);
        };
    case Glyph::Import:
        return [](QPainter& p) { Page(p); p.setPen(QPen(kBlue, 2)); p.drawLine(8, 6, 8, 12); p.drawLine(5, 9, 8, 12); p.drawLine(11, 9, 8, 12); };
    case Glyph::Browse: return GlyphDrawing(Glyph::Open);
    case Glyph::Favorites:
        return [](QPainter& p) {
            p.setPen(kInk); p.setBrush(QColor(250, 200, 40));
            p.drawPolygon(QPolygon({QPoint(8, 1), QPoint(10, 6), QPoint(15, 6), QPoint(11, 9), QPoint(13, 15), QPoint(8, 11), QPoint(3, 15), QPoint(5, 9), QPoint(1, 6), QPoint(6, 6)}));
        };
    case Glyph::Bookmarks:
        return [](QPainter& p) { p.setPen(kInk); p.setBrush(QColor(40, 140, 80)); p.drawPolygon(QPolygon({QPoint(4, 1), QPoint(12, 1), QPoint(12, 15), QPoint(8, 11), QPoint(4, 15)})); };
    case Glyph::Add:
        return [](QPainter& p) { p.setPen(QPen(QColor(30, 140, 30), 3)); p.drawLine(8, 2, 8, 14); p.drawLine(2, 8, 14, 8); };
    case Glyph::Remove:
        return [](QPainter& p) { p.setPen(QPen(QColor(190, 30, 30), 3)); p.drawLine(3, 3, 13, 13); p.drawLine(13, 3, 3, 13); };
    case Glyph::Edit:
        return [](QPainter& p) { p.setPen(QPen(kInk, 1)); p.drawRect(1, 10, 8, 4); p.setPen(QPen(QColor(200, 80, 30), 2)); p.drawLine(4, 12, 14, 2); };
    case Glyph::AlignLeft:
    case Glyph::AlignCenter:
    case Glyph::AlignRight:
        return [glyph](QPainter& p) {
            p.setPen(QPen(kInk, 1.5));
            for (int i = 0; i < 4; ++i) {
                const int length = i % 2 ? 8 : 12;
                const int left = glyph == Glyph::AlignLeft ? 2 : glyph == Glyph::AlignRight ? 14 - length : 8 - length / 2;
                p.drawLine(left, 3 + 3 * i, left + length, 3 + 3 * i);
            }
        };
    case Glyph::Paragraph:
        return [](QPainter& p) {
            p.setPen(kInk); p.setFont(GlyphFont(11));
            p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString(QChar(0x00B6)));
        };
    case Glyph::Help:
        return [](QPainter& p) {
            p.setPen(kInk); p.setBrush(QColor(255, 250, 200)); p.drawEllipse(1, 1, 14, 14);
            p.setFont(GlyphFont(9)); p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, "?");
        };
    }
    return [](QPainter&) {};
}

Drawing CursorDrawing(atlas::CursorPicture cursor)
{
    const bool withPlus = cursor == atlas::CursorPicture::NewDrag;
    return [withPlus](QPainter& p) {
        if (withPlus) {
            p.setPen(Qt::black); p.setBrush(Qt::white);
            p.drawPolygon(QPolygon({QPoint(0, 0), QPoint(0, 16), QPoint(4, 12), QPoint(7, 18), QPoint(9, 17), QPoint(6, 11), QPoint(11, 11)}));
            p.drawRect(10, 14, 10, 10);
            p.drawLine(15, 16, 15, 22); p.drawLine(12, 19, 18, 19);
            return;
        }
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(16, 4, 16, 28); p.drawLine(4, 16, 28, 16);
        for (const auto& head : {QPolygon({QPoint(12, 8), QPoint(16, 3), QPoint(20, 8)}), QPolygon({QPoint(12, 24), QPoint(16, 29), QPoint(20, 24)}),
                                 QPolygon({QPoint(8, 12), QPoint(3, 16), QPoint(8, 20)}), QPolygon({QPoint(24, 12), QPoint(29, 16), QPoint(24, 20)})})
            p.drawPolyline(head);
    };
}

void Place(QImage& atlasImage, atlas::Slot slot, const Drawing& draw)
{
    // Drawn on a picture of its own, so that no stroke reaches a neighbour.
    QImage picture(slot.size, slot.size, atlas::PixelFormat);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }
    QPainter painter(&atlasImage);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, slot.top, picture);
}

} // namespace

QImage DrawGlyphAtlas()
{
    QImage atlasImage(atlas::Width, atlas::Height, atlas::PixelFormat);
    atlasImage.fill(Qt::transparent);
    for (int i = 0; i < atlas::BlockCount; ++i) {
        const auto type = static_cast<TBlockType>(i);
        Place(atlasImage, atlas::BlockSlot(type), BlockDrawing(type));
    }
    for (int i = 0; i < atlas::GlyphCount; ++i) {
        const auto glyph = static_cast<Glyph>(i);
        Place(atlasImage, atlas::GlyphSlot(glyph), GlyphDrawing(glyph));
    }
    for (BinPicture picture : {BinPicture::Empty, BinPicture::Full})
        Place(atlasImage, atlas::BinSlot(picture), BinDrawing(picture));
    for (atlas::CursorPicture cursor : {atlas::CursorPicture::NewDrag, atlas::CursorPicture::SizeAll})
        Place(atlasImage, atlas::CursorSlot(cursor), CursorDrawing(cursor));
    return atlasImage;
}

} // namespace tarvin
