#include "platform/IniFile.h"

#include "platform/TextCodec.h"

#include <QFile>
#include <QStringList>

namespace tarvin {
namespace {

QString Unquote(const QString& value) {
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

QString ReadIniString(const QString& path, const QString& section, const QString& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    const QString text = FromDocumentText(bytes.toStdString());
    bool inSection = false;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inSection && equals >= 0 &&
            line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return Unquote(line.mid(equals + 1).trimmed());
    }
    return {};
}

} // namespace tarvin
