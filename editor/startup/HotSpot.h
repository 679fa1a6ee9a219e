#pragma once
// Invisible areas of the splash picture that react to the left mouse button,
// and the picture itself, which reacts only when told to take clicks.

#include <QLabel>
#include <QWidget>

namespace tarvin {

class HotSpot : public QWidget {
    Q_OBJECT
public:
    HotSpot(const QRect& bounds, const QString& hint, QWidget* parent);

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// Not disabled when it takes no clicks: a disabled label greys its picture.
class ClickablePicture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void SetTakesClicks(bool takes) { takesClicks_ = takes; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool takesClicks_ = false;
};

} // namespace tarvin
