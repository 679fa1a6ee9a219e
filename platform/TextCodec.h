#pragma once
// Document texts are bytes: UTF-8 on this platform, but documents from older
// systems hold Windows-1252. Shown as UTF-8 when valid, else as Windows-1252.

#include <QString>
#include <string>

namespace tarvin {

QString FromDocumentText(const std::string& bytes);
std::string ToDocumentText(const QString& text);  // UTF-8

} // namespace tarvin
