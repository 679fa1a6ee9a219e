#include "look/ThemeSample.h"

#include "look/ColorConvert.h"
#include "look/ThemeStore.h"
#include "look/ThemeTexts.h"
#include "platform/HelpTopicTag.h"
#include "platform/Pictures.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace tarvin {

namespace {

constexpr int PictureSide = 104;
constexpr int BackgroundTopic = 69;

QLabel* SampleText(const char* name, const QString& caption, bool underlined, int topic, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setUnderline(underlined);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    label->setFont(font);
    SetHelpTopic(label, topic);
    return label;
}

} // namespace

ThemeSample::ThemeSample(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);

    lblBGColor = new QLabel(this);
    lblBGColor->setObjectName("lblBGColor");
    lblBGColor->setToolTip(theme_texts::BackgroundHint);
    lblBGColor->setAutoFillBackground(true);
    SetHelpTopic(lblBGColor, BackgroundTopic);
    lblTextColor = SampleText("lblTextColor", "Text Color", false, 70, lblBGColor);
    lblLinkColor = SampleText("lblLinkColor", "Link Color", true, 71, lblBGColor);
    lblALinkColor = SampleText("lblALinkColor", "Active Link Color", true, 72, lblBGColor);
    lblVLinkColor = SampleText("lblVLinkColor", "Visited Link Color", true, 73, lblBGColor);
    auto* texts = new QVBoxLayout(lblBGColor);
    texts->setContentsMargins(14, 10, 14, 10);
    for (QLabel* label : {lblTextColor, lblLinkColor, lblALinkColor, lblVLinkColor})
        texts->addWidget(label);

    imgBG = new QLabel(this);
    imgBG->setObjectName("imgBG");
    imgBG->setFixedSize(PictureSide, PictureSide);
    imgBG->setScaledContents(true);
    imgBG->setFrameShape(QFrame::Box);
    SetHelpTopic(imgBG, 67);
    lblNoImage = new QLabel(theme_texts::NoImage, imgBG);
    lblNoImage->setObjectName("lblNoImage");
    lblNoImage->setAlignment(Qt::AlignCenter);
    lblNoImage->setWordWrap(true);
    lblNoImage->setGeometry(imgBG->rect().adjusted(6, 6, -6, -6));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(lblBGColor, 1);
    layout->addWidget(imgBG, 0, Qt::AlignVCenter);

    for (QLabel* label : {lblBGColor, lblTextColor, lblLinkColor, lblALinkColor, lblVLinkColor, imgBG, lblNoImage})
        label->installEventFilter(this);
}

bool ThemeSample::IsBackgroundLabel(const QLabel* label)
{
    return HelpTopicOf(label) == BackgroundTopic;
}

TColor ThemeSample::ColorOf(const QLabel* label) const
{
    const QPalette::ColorRole role = IsBackgroundLabel(label) ? QPalette::Window : QPalette::WindowText;
    return FromQColor(label->palette().color(role));
}

void ThemeSample::SetColor(QLabel* label, TColor color)
{
    QPalette palette = label->palette();
    palette.setColor(IsBackgroundLabel(label) ? QPalette::Window : QPalette::WindowText, ToQColor(color));
    label->setPalette(palette);
}

void ThemeSample::ShowColors(const TThemeItem& theme)
{
    SetColor(lblBGColor, theme.BGColor);
    SetColor(lblTextColor, theme.TextColor);
    SetColor(lblLinkColor, theme.LinkColor);
    SetColor(lblALinkColor, theme.ALinkColor);
    SetColor(lblVLinkColor, theme.VLinkColor);
}

void ThemeSample::StoreColors(TThemeItem& theme) const
{
    theme.BGColor = ColorOf(lblBGColor);
    theme.TextColor = ColorOf(lblTextColor);
    theme.LinkColor = ColorOf(lblLinkColor);
    theme.ALinkColor = ColorOf(lblALinkColor);
    theme.VLinkColor = ColorOf(lblVLinkColor);
}

void ThemeSample::ShowPicture(const QString& path)
{
    lblNoImage->hide();
    imgBG->setPixmap(LoadPicture(path));
    imgBG->setToolTip(path);
}

void ThemeSample::ClearPicture()
{
    imgBG->clear();
    imgBG->setToolTip(QString());
    lblNoImage->show();
}

bool ThemeSample::eventFilter(QObject* watched, QEvent* event)
{
    const bool mouse = event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::MouseButtonRelease;
    if (!mouse || static_cast<const QMouseEvent*>(event)->button() != Qt::LeftButton)
        return false;
    if (watched == lblNoImage && event->type() == QEvent::MouseButtonRelease) {
        emit noImageClicked();
        return true;
    }
    if (event->type() != QEvent::MouseButtonDblClick)
        return false;
    if (watched == imgBG)
        emit pictureDoubleClicked();
    else if (watched != lblNoImage)
        emit labelDoubleClicked(static_cast<QLabel*>(watched));
    return true;
}

} // namespace tarvin
