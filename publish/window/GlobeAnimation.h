#pragma once
// The wizard's animation while files are sent: pages fly to a turning globe.
// Inactive it shows its first frame and keeps no timer running.

#include <QWidget>

class QTimer;

namespace tarvin {

class GlobeAnimation : public QWidget {
    Q_OBJECT
public:
    static constexpr int FrameCount = 24;
    static constexpr int FrameMs = 80;

    explicit GlobeAnimation(QWidget* parent = nullptr);

    bool Active() const;
    void SetActive(bool active);
    int Frame() const { return frame_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* timer_;
    int frame_ = 0;
};

} // namespace tarvin
