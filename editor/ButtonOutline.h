#pragma once
// pbButtons: the closed outline drawn behind the large toolbar buttons, dark
// along the right and bottom edges, light along the left and top, meeting the
// right edge at the top of the first button.

#include <QWidget>

namespace tarvin {

class ButtonOutline : public QWidget {
    Q_OBJECT
public:
    explicit ButtonOutline(QWidget* parent = nullptr);
    // The button whose top is where the outline's right edge starts.
    void SetFirstButton(QWidget* button) { firstButton_ = button; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* firstButton_ = nullptr;
};

} // namespace tarvin
