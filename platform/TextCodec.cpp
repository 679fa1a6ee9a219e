#include "platform/TextCodec.h"

#include "document/TextEncoding.h"

namespace tarvin {

QString FromDocumentText(const std::string& bytes) {
    const std::string utf8 = DocumentTextToUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToDocumentText(const QString& text) {
    return text.toStdString();
}

} // namespace tarvin
