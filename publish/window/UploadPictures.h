#pragma once
// The upload wizard's own pictures, drawn rather than shipped: the globe of
// the welcome picture and the animation, the server of the profile list and
// the glyphs of its buttons.

#include <QPixmap>

class QPainter;
class QRectF;

namespace tarvin {

// A globe in bounds, its meridians turned by turn (0 to 1 is one revolution).
void DrawGlobe(QPainter& painter, const QRectF& bounds, double turn);

QPixmap WizardPicture();            // 64 by 64, beside the welcome text
QPixmap ServerPicture(int size);    // a profile: the list's items, the panel, "Servers"
QPixmap UploadPicture(int size);    // a globe with an arrow going up: "Upload"
QPixmap ExitPicture(int size);      // an open door: "Exit"
QPixmap AddGlyph();                 // 16 by 16 plus
QPixmap RemoveGlyph();              // 16 by 16 minus

} // namespace tarvin
