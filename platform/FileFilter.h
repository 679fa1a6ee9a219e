#pragma once
// The program's file filters are pairs of texts joined by "|", a caption and
// its patterns: "HTML Files|*.htm;*.html|Text Files|*.txt". Qt's dialogs want
// "HTML Files (*.htm *.html);;Text Files (*.txt)".

#include <QString>

namespace tarvin {

QString ToQtFilter(const QString& filter);

} // namespace tarvin
