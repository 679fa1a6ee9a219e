#include "publish/FtpReplyBuffer.h"

#include <cctype>
#include <cstring>

namespace tarvin::publish {

std::optional<std::string> FtpReplyBuffer::TakeLine(bool acceptLF)
{
    const char* begin = bytes_.data();
    const char* end = begin + fill_;
    const char* lineEnd = nullptr;
    int endLength = 0;
    for (const char* p = begin; p < end; ++p) {
        p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (!p)
            break;
        if (acceptLF || (p > begin && p[-1] == '\r')) {
            lineEnd = acceptLF ? p : p - 1;
            endLength = acceptLF ? 1 : 2;
            break;
        }
    }
    if (!lineEnd)
        return std::nullopt;
    std::string line(begin, lineEnd);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    const int used = static_cast<int>(lineEnd - begin) + endLength;
    std::memmove(bytes_.data(), begin + used, static_cast<std::size_t>(fill_ - used));
    fill_ -= used;
    return line;
}

FtpReplyCode ParseReplyCode(const std::string& line)
{
    constexpr int maxCode = 65535;  // codes travel as 16-bit words
    std::size_t i = line.find_first_not_of(" \t\r\n");
    if (i == std::string::npos)
        return {};
    if (line[i] == '+' || line[i] == '-')
        ++i;
    int code = 0;
    for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i)
        code = code >= maxCode / 10 ? maxCode : code * 10 + (line[i] - '0');
    FtpReplyCode result;
    result.code = code;
    result.final = !line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))
                   && (i >= line.size() || line[i] != '-');
    return result;
}

} // namespace tarvin::publish
