#pragma once
// The icons of page documents and templates, as SVG text for the desktop's
// icon theme folder.

#include <QByteArray>

namespace tarvin {

QByteArray DocumentIconSvg();
QByteArray TemplateIconSvg();

} // namespace tarvin
