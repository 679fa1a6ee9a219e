#pragma once
// Invisible areas of the splash picture that react to the left mouse button,
// and the picture itself, which reacts only while enabled.

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

class ClickablePicture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace tarvin
