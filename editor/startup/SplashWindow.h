#pragma once
// TSplashScreen: on screen while the main window is built, and until the
// user clicks its start spot after a short countdown. The same window,
// without the countdown, is the About box.

#include "editor/startup/SplashTimer.h"

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;

namespace tarvin {

class ClickablePicture;
class HotSpot;

using OpenPage = std::function<void(const QString& address)>;

class TSplashScreen : public QDialog {
    Q_OBJECT
public:
    // openPage opens the hosting partner's page when its spot is clicked.
    TSplashScreen(std::unique_ptr<SplashTimer> timer, OpenPage openPage, QWidget* parent = nullptr);
    ~TSplashScreen() override;

    // Shows the window and returns once its picture is painted, or after a
    // short while on a display that does not answer.
    void ShowPainted();

    // The window agrees to close exactly when its timer has stopped.
    bool CloseQuery() const { return !timer_->Running(); }

    void TimerTimer();
    void shpStartMouseDown();
    void shpHostMouseDown();
    void imgSplashClick();
    // No countdown, no start spot, and a click on the picture closes it.
    void MakeAboutBox();

    ClickablePicture* imgSplash;
    QLabel* lblTime;
    HotSpot* shpStart;
    HotSpot* shpHost;

signals:
    // The timer has stopped: the window may now close.
    void Released();
    void Painted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Escape goes through the same rule as every other close.
    void reject() override;

private:
    std::unique_ptr<SplashTimer> timer_;
    OpenPage openPage_;
    int counter_ = 5;
    bool painted_ = false;
};

// mnuHelpAboutClick: the About box, shown modally.
void ShowAboutBox(OpenPage openPage, QWidget* parent);

} // namespace tarvin
