#pragma once
// The profile panel's key filters. Like key-press handlers they judge typed
// characters only: control keys (backspace, arrows, shortcuts) and pasted
// text pass untouched.

#include <QObject>

#include <functional>

class QChar;

namespace tarvin {

// '"', '*', '/', ':', '?', '\', '|' and the single angle quotation marks;
// '<' and '>' themselves may be typed.
bool IsRefusedInProfileName(QChar c);
// Anything but the digits 0 to 9.
bool IsRefusedInPort(QChar c);

// Swallows key presses that would type a refused character.
class TypedCharacterFilter : public QObject {
public:
    TypedCharacterFilter(std::function<bool(QChar)> refused, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(QChar)> refused_;
};

} // namespace tarvin
