#pragma once
// The theme editor's sample area: a block in the background colour carrying
// four sample texts in the text and link colours, and beside it the
// background picture (stretched) or the words "No Background Image".

#include "document/PageModel.h"

#include <QFrame>

class QLabel;

namespace tarvin {

class TThemeItem;

class ThemeSample : public QFrame {
    Q_OBJECT
public:
    explicit ThemeSample(QWidget* parent = nullptr);

    // The background block and the four sample texts; each carries the help
    // topic that tells them apart (69 for the background, 70 to 73).
    QLabel* lblBGColor;
    QLabel* lblTextColor;
    QLabel* lblLinkColor;
    QLabel* lblALinkColor;
    QLabel* lblVLinkColor;
    QLabel* imgBG;
    QLabel* lblNoImage;

    // The background label's own colour, or a sample text's font colour.
    TColor ColorOf(const QLabel* label) const;
    void SetColor(QLabel* label, TColor color);
    // Told apart by the help topic the background label carries.
    static bool IsBackgroundLabel(const QLabel* label);

    // The five colours of a theme, shown or taken back.
    void ShowColors(const TThemeItem& theme);
    void StoreColors(TThemeItem& theme) const;

    // A picture that cannot be decoded leaves the box empty, without the
    // "No Background Image" words.
    void ShowPicture(const QString& path);
    void ClearPicture();

signals:
    void labelDoubleClicked(QLabel* label);
    void pictureDoubleClicked();
    void noImageClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tarvin
