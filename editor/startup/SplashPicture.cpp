#include "editor/startup/SplashPicture.h"

#include "TarvinVersion.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tarvin {

namespace {

void DrawBackground(QPainter& painter)
{
    QLinearGradient sky(0, 0, 0, 205);
    sky.setColorAt(0, QColor(0x12, 0x3a, 0x6b));
    sky.setColorAt(1, QColor(0x2f, 0x7f, 0xc1));
    painter.fillRect(0, 0, SplashWidth, 205, sky);
    painter.fillRect(0, 205, SplashWidth, SplashHeight - 205, QColor(0xf4, 0xf1, 0xe8));
    painter.setPen(QColor(0xc9, 0xa2, 0x27));
    painter.drawLine(0, 205, SplashWidth, 205);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, SplashWidth - 1, SplashHeight - 1);
}

// A page made of stacked blocks: what the program builds.
void DrawPageStack(QPainter& painter)
{
    const QRect page(262, 30, 112, 150);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(page.translated(5, 5), 4, 4);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(page, 4, 4);
    const QColor blocks[] = {QColor(0x2f, 0x7f, 0xc1), QColor(0xc9, 0xa2, 0x27), QColor(0x9a, 0xa5, 0xb1),
                             QColor(0x9a, 0xa5, 0xb1), QColor(0x3c, 0xa0, 0x5a)};
    const int heights[] = {18, 40, 8, 8, 16};
    int top = page.top() + 10;
    for (int i = 0; i < 5; ++i) {
        painter.setBrush(blocks[i]);
        painter.drawRect(page.left() + 10, top, page.width() - (i == 3 ? 40 : 20), heights[i]);
        top += heights[i] + 8;
    }
}

void DrawTitle(QPainter& painter)
{
    painter.setPen(Qt::white);
    QFont font("Sans Serif", 21, QFont::Bold);
    painter.setFont(font);
    painter.drawText(QRect(18, 40, 240, 44), Qt::AlignLeft | Qt::AlignVCenter, "Ostrel Tarvin");
    font.setPointSize(12);
    painter.setFont(font);
    painter.setPen(QColor(0xff, 0xd8, 0x6b));
    painter.drawText(QRect(20, 84, 240, 22), Qt::AlignLeft | Qt::AlignVCenter, "Version " TARVIN_VERSION);
    font.setBold(false);
    font.setPointSize(10);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(20, 120, 236, 60), Qt::AlignLeft | Qt::TextWordWrap,
                     "Build your web page piece by piece. No HTML to learn.");
}

void DrawFooter(QPainter& painter)
{
    QFont font("Sans Serif", 9);
    painter.setFont(font);
    painter.setPen(QColor(0x33, 0x33, 0x33));
    // The countdown label sits between these two texts.
    painter.drawText(QRect(14, 220, 104, 21), Qt::AlignRight | Qt::AlignVCenter, "Starting in");
    painter.drawText(QRect(158, 220, 80, 21), Qt::AlignLeft | Qt::AlignVCenter, "seconds");

    QPainterPath button;
    button.addRoundedRect(QRectF(14.5, 253.5, 109, 28), 6, 6);
    painter.setPen(QColor(0x9c, 0x5a, 0x0c));
    painter.setBrush(QColor(0xf0, 0x8c, 0x1a));
    painter.drawPath(button);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(14, 253, 110, 29), Qt::AlignCenter, QString("Start Tarvin ") + QChar(0x25B6));

    painter.setPen(QColor(0x2f, 0x7f, 0xc1));
    painter.setBrush(QColor(0xe3, 0xee, 0xf8));
    painter.drawRoundedRect(QRectF(216.5, 248.5, 168, 32), 6, 6);
    painter.setBrush(QColor(0x2f, 0x7f, 0xc1));
    painter.drawEllipse(QRectF(223, 254, 20, 20));
    font.setBold(false);
    font.setPointSize(8);
    painter.setFont(font);
    painter.setPen(QColor(0x12, 0x3a, 0x6b));
    painter.drawText(QRect(248, 248, 134, 33), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     "Put your pages online with our hosting partner");
    painter.setPen(QColor(0x70, 0x70, 0x70));
    painter.drawText(QRect(14, 284, 370, 14), Qt::AlignRight | Qt::AlignVCenter,
                     QString(QChar(0x00A9)) + " Ostrel Software");
}

} // namespace

QPixmap SplashPicture()
{
    QPixmap picture(SplashWidth, SplashHeight);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawBackground(painter);
    DrawPageStack(painter);
    DrawTitle(painter);
    DrawFooter(painter);
    return picture;
}

} // namespace tarvin
