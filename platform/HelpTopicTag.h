#pragma once
// The help numbers a control carries: its What's This topic (its tag) and its
// F1 help context. Any window tags its own controls; the main window's help
// reads the numbers from wherever the user asks for help.

#include <QWidget>

namespace tarvin {

inline constexpr const char* HelpTopicProperty = "helpTopic";
inline constexpr const char* HelpContextProperty = "helpContext";

inline void SetHelpTopic(QWidget* control, int topic)
{
    control->setProperty(HelpTopicProperty, topic);
}

inline void SetHelpContext(QWidget* control, int topic)
{
    control->setProperty(HelpContextProperty, topic);
}

// 0 when the control carries none.
inline int HelpTopicOf(const QObject* control)
{
    return control->property(HelpTopicProperty).toInt();
}

inline int HelpContextOf(const QObject* control)
{
    return control->property(HelpContextProperty).toInt();
}

} // namespace tarvin
