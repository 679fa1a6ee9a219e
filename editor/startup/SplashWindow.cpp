#include "editor/startup/SplashWindow.h"

#include "editor/WebAddresses.h"
#include "editor/startup/HotSpot.h"
#include "editor/startup/SplashPicture.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QResource>
#include <QScreen>
#include <QTimer>

namespace tarvin {

namespace {

constexpr int CountdownInterval = 1000;
constexpr int IdleInterval = 10000;
constexpr int LongestPaintWait = 500;

QLabel* MakeCountdownLabel(QWidget* parent)
{
    auto* label = new QLabel("5", parent);
    label->setGeometry(121, 220, 32, 21);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// The picture the build drew, straight from the resources.
QPixmap ShippedSplashPicture()
{
    const QResource pixels(QStringLiteral(":/startup/splash.pixels"));
    return QPixmap::fromImage(QImage(pixels.data(), SplashWidth, SplashHeight, SplashPixelFormat));
}

} // namespace

TSplashScreen::TSplashScreen(std::unique_ptr<SplashTimer> timer, OpenPage openPage, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      timer_(std::move(timer)),
      openPage_(std::move(openPage))
{
    setFixedSize(SplashWidth, SplashHeight);
    imgSplash = new ClickablePicture(this);
    imgSplash->setGeometry(rect());
    imgSplash->setPixmap(ShippedSplashPicture());
    lblTime = MakeCountdownLabel(this);
    shpStart = new HotSpot(QRect(14, 253, 110, 29), "Click here to start!", this);
    shpStart->hide();
    shpHost = new HotSpot(QRect(216, 248, 169, 33), "Visit our hosting partner and put your pages online!", this);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(shpStart, &HotSpot::pressed, this, &TSplashScreen::shpStartMouseDown);
    connect(shpHost, &HotSpot::pressed, this, &TSplashScreen::shpHostMouseDown);
    connect(imgSplash, &ClickablePicture::clicked, this, &TSplashScreen::imgSplashClick);
    timer_->OnTick([this] { TimerTimer(); });
    timer_->SetInterval(CountdownInterval);
    timer_->Start();
}

TSplashScreen::~TSplashScreen() = default;

void TSplashScreen::ShowPainted()
{
    // Shown before the application's event loop runs, a splash window handles
    // the events already there, which mostly paints it; painting it again
    // would only cost time. The display may not have answered yet, though.
    show();
    if (painted_)
        return;
    QEventLoop wait;
    connect(this, &TSplashScreen::Painted, &wait, &QEventLoop::quit);
    QTimer::singleShot(LongestPaintWait, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

void TSplashScreen::TimerTimer()
{
    if (counter_ != 0) {
        lblTime->setText(QString::number(counter_));
        --counter_;
    } else {
        timer_->SetInterval(IdleInterval);
        shpStart->show();
    }
}

void TSplashScreen::shpStartMouseDown()
{
    timer_->Stop();
    emit Released();
}

void TSplashScreen::shpHostMouseDown()
{
    openPage_(web::HostingOffer);
}

void TSplashScreen::imgSplashClick()
{
    close();
}

void TSplashScreen::MakeAboutBox()
{
    timer_->Stop();
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    imgSplash->SetTakesClicks(true);
    shpStart->hide();
}

void TSplashScreen::closeEvent(QCloseEvent* event)
{
    if (CloseQuery())
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void TSplashScreen::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        emit Painted();
    }
}

void TSplashScreen::reject()
{
    if (CloseQuery())
        QDialog::reject();
}

void ShowAboutBox(OpenPage openPage, QWidget* parent)
{
    TSplashScreen about(std::make_unique<QtSplashTimer>(), std::move(openPage), parent);
    about.MakeAboutBox();
    about.exec();
}

} // namespace tarvin
