#include "forms/FieldKinds.h"

#include <QPainter>
#include <array>

namespace tarvin {

namespace {

const QColor kInk(40, 40, 60);
const QColor kTick(40, 90, 200);

void DrawKind(QPainter& p, TFieldKind kind)
{
    p.setPen(kInk);
    p.setBrush(Qt::white);
    switch (kind) {
    case TFieldKind::fkText:
        p.drawRect(1, 5, 14, 6);
        p.drawLine(4, 6, 4, 10);
        return;
    case TFieldKind::fkTextArea:
        p.drawRect(1, 2, 14, 12);
        for (int y : {5, 8})
            p.drawLine(3, y, 12, y);
        p.drawLine(3, 11, 7, 11);
        return;
    case TFieldKind::fkRadio:
        p.drawEllipse(QPoint(8, 8), 6, 6);
        p.setBrush(kInk);
        p.drawEllipse(QPoint(8, 8), 2, 2);
        return;
    case TFieldKind::fkCheckBox:
        p.drawRect(2, 2, 12, 12);
        p.setPen(QPen(kTick, 2));
        p.drawPolyline(QPolygon({QPoint(4, 8), QPoint(7, 11), QPoint(12, 4)}));
        return;
    case TFieldKind::fkDropDown:
        p.drawRect(1, 4, 14, 8);
        p.setBrush(kInk);
        p.drawPolygon(QPolygon({QPoint(10, 7), QPoint(14, 7), QPoint(12, 10)}));
        return;
    case TFieldKind::fkButton:
        p.setBrush(QColor(220, 220, 220));
        p.drawRoundedRect(1, 4, 14, 8, 2, 2);
        return;
    }
}

QPixmap KindPixmap(TFieldKind kind)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawKind(painter, kind);
    return pixmap;
}

} // namespace

QString FieldKindCaption(TFieldKind kind)
{
    static const char* const captions[FieldKindCount] = {"Text Box",  "Text Area", "Radio Button",
                                                         "Check Box", "Drop Down", "Button"};
    return captions[static_cast<int>(kind)];
}

const QPixmap& FieldKindIcon(TFieldKind kind)
{
    // Drawn once; every list shares the pictures.
    static const std::array<QPixmap, FieldKindCount> icons = [] {
        std::array<QPixmap, FieldKindCount> drawn;
        for (int k = 0; k < FieldKindCount; ++k)
            drawn[static_cast<std::size_t>(k)] = KindPixmap(static_cast<TFieldKind>(k));
        return drawn;
    }();
    return icons[static_cast<std::size_t>(kind)];
}

std::optional<TFieldKind> FieldKindFromNumber(int number)
{
    if (number < 0 || number >= FieldKindCount)
        return std::nullopt;
    return static_cast<TFieldKind>(number);
}

std::optional<TFieldKind> FieldKindFromText(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const auto significant = text.find_first_not_of('0');
    if (significant == std::string_view::npos)
        return TFieldKind::fkText;
    if (text.size() - significant > 1)
        return std::nullopt;
    return FieldKindFromNumber(text[significant] - '0');
}

} // namespace tarvin
