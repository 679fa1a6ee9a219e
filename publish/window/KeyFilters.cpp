#include "publish/window/KeyFilters.h"

#include <QKeyEvent>

namespace tarvin {

bool IsRefusedInProfileName(QChar c)
{
    static const QString refused = QStringLiteral("\"*/:?\\|\u2039\u203A");
    return refused.contains(c);
}

bool IsRefusedInPort(QChar c)
{
    return c < u'0' || c > u'9';
}

TypedCharacterFilter::TypedCharacterFilter(std::function<bool(QChar)> refused, QObject* parent)
    : QObject(parent), refused_(std::move(refused))
{
}

bool TypedCharacterFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    // With Ctrl, Alt or Meta a key is a shortcut, not a typed character.
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    for (const QChar c : key->text()) {
        const bool typed = c.unicode() >= 32 && c.unicode() != 127;
        if (typed && refused_(c))
            return true;
    }
    return false;
}

} // namespace tarvin
