#pragma once
// The heading and paragraph memos: a text box whose font (with its colour) is
// the block's font description, and whose font mark records that the user
// chose a font in the font dialog.

#include "document/PageModel.h"

#include <QPlainTextEdit>
#include <string>

namespace tarvin {

class MiscDialogs;

class FontMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    // enterBreaksLine false: the Enter key types nothing (a heading is one line).
    FontMemo(bool enterBreaksLine, QWidget* parent = nullptr);

    std::string FontDescription() const;
    // A description that cannot be read gives the default description.
    void SetFontDescription(const std::string& description);
    TColor FontColor() const { return color_; }
    void SetFontAndColor(const QFont& font, TColor color);

    std::uint8_t FontMark() const { return fontMark_; }
    void SetFontMark(std::uint8_t mark) { fontMark_ = mark; }

    // The block's text, font description and font mark, in and out.
    void StoreInto(std::string& text, std::string& attributes, std::uint8_t& applyFont) const;
    void ShowFrom(const std::string& text, const std::string& attributes, std::uint8_t applyFont);

    // The font dialog: on OK the memo takes its font and the font mark is set,
    // also when nothing was changed.
    void ChooseFont(MiscDialogs& misc);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool enterBreaksLine_;
    // The font shown, or to be shown once the memo is (SetFontWhenShown).
    QFont font_;
    TColor color_ = NoColourMarker;
    std::uint8_t fontMark_ = 0;
};

} // namespace tarvin
