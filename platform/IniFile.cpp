#include "platform/IniFile.h"

#include "document/DocumentFile.h"
#include "document/TextUtil.h"
#include "platform/TextCodec.h"

#include <QFile>

namespace tarvin {

namespace {

// Far above any initialization file the program reads; a bigger file is not
// read into memory.
constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

enum class LineKind { Blank, Comment, Header, Entry };

struct ParsedLine {
    LineKind kind = LineKind::Blank;
    std::string_view name;   // section name or key
    std::string_view value;  // entries only
};

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view Unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

ParsedLine Parse(std::string_view raw)
{
    const std::string_view line = Trimmed(raw);
    if (line.empty())
        return {};
    if (line.front() == ';')
        return {LineKind::Comment, {}, {}};
    if (line.front() == '[')
        return {LineKind::Header, Trimmed(line.substr(1, line.find(']') - 1)), {}};
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return {LineKind::Entry, line, {}};
    return {LineKind::Entry, Trimmed(line.substr(0, equals)), Unquoted(Trimmed(line.substr(equals + 1)))};
}

std::string OneLine(std::string_view text)
{
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return line;
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path))
{
    QFile file(QString::fromStdString(path_));
    if (!file.exists())
        return;
    if (file.size() > MaxFileSize || !file.open(QIODevice::ReadOnly)) {
        readable_ = false;
        return;
    }
    const QByteArray bytes = file.read(MaxFileSize + 1);
    readable_ = file.error() == QFileDevice::NoError && bytes.size() <= MaxFileSize;
    if (readable_)
        lines_ = SplitLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::optional<IniFile::Range> IniFile::Find(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const ParsedLine header = Parse(lines_[i]);
        if (header.kind != LineKind::Header || !SameText(header.name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && Parse(lines_[end]).kind != LineKind::Header)
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

int IniFile::LineCount(std::string_view section) const
{
    const auto range = Find(section);
    int count = 0;
    if (range)
        for (std::size_t i = range->header + 1; i < range->end; ++i)
            count += Parse(lines_[i]).kind == LineKind::Entry ? 1 : 0;
    return count;
}

std::string IniFile::Value(std::string_view section, std::string_view key) const
{
    const auto range = Find(section);
    if (range)
        for (std::size_t i = range->header + 1; i < range->end; ++i) {
            const ParsedLine line = Parse(lines_[i]);
            if (line.kind == LineKind::Entry && SameText(line.name, key))
                return std::string(line.value);
        }
    return {};
}

void IniFile::ReplaceSection(std::string_view section, const std::vector<Entry>& entries)
{
    std::vector<std::string> written;
    for (const auto& [key, value] : entries)
        written.push_back(OneLine(key) + "=" + OneLine(value));

    std::size_t at;
    if (const auto range = Find(section)) {
        // The comments and blank lines inside the section stay where they are;
        // the new lines go where its first line stood.
        std::optional<std::size_t> firstLine;
        for (std::size_t i = range->end; i-- > range->header + 1;)
            if (Parse(lines_[i]).kind == LineKind::Entry) {
                lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
                firstLine = i;
            }
        at = firstLine.value_or(range->header + 1);
    } else {
        if (!lines_.empty() && Parse(lines_.back()).kind != LineKind::Blank)
            lines_.emplace_back();
        lines_.push_back("[" + OneLine(section) + "]");
        at = lines_.size();
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), written.begin(), written.end());
}

bool IniFile::Save() const
{
    return readable_ && WriteFileReplacing(path_, JoinLines(lines_));
}

QString ReadIniString(const QString& path, const QString& section, const QString& key)
{
    const IniFile file(path.toStdString());
    return FromDocumentText(file.Value(ToDocumentText(section), ToDocumentText(key)));
}

} // namespace tarvin
