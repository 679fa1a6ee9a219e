#include "document/TextUtil.h"

#include <algorithm>
#include <charconv>

namespace tarvin {

namespace {
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
} // namespace

std::string LowerCase(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), Lower);
    return out;
}

std::string UpperCase(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), Upper);
    return out;
}

int CompareText(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(Lower(a[i]));
        const auto cb = static_cast<unsigned char>(Lower(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareText(a, b) == 0;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t pos; (pos = text.find(from, start)) != std::string_view::npos; start = pos + from.size()) {
        out.append(text.substr(start, pos - start));
        out.append(to);
    }
    out.append(text.substr(start));
    return out;
}

std::string RemoveSpaces(std::string_view text)
{
    return ReplaceAll(text, " ", "");
}

std::string StripExtension(std::string_view text)
{
    const auto dot = text.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(text.substr(0, dot));
}

std::string ExtractFileName(std::string_view path)
{
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FolderOf(std::string_view path)
{
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1));
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += CRLF;
    }
    return out;
}

int StrToInt(std::string_view text)
{
    std::string_view digits = text;
    while (!digits.empty() && digits.front() == ' ')
        digits.remove_prefix(1);
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || digits.front() == '+')
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

std::string FillTemplate(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(pattern.size() + 64);
    auto arg = args.begin();
    std::size_t start = 0;
    for (std::size_t pos; (pos = pattern.find('%', start)) != std::string_view::npos;) {
        const bool placeholder = pos + 1 < pattern.size() && (pattern[pos + 1] == 's' || pattern[pos + 1] == 'd');
        out.append(pattern.substr(start, placeholder ? pos - start : pos + 1 - start));
        start = pos + 1;
        if (!placeholder)
            continue;
        if (arg == args.end())
            throw std::logic_error("Too few arguments for template: " + std::string(pattern));
        out.append(*arg++);
        ++start;
    }
    if (arg != args.end())
        throw std::logic_error("Too many arguments for template: " + std::string(pattern));
    out.append(pattern.substr(start));
    return out;
}

} // namespace tarvin
