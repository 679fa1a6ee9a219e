#include "publish/SocketEndpoint.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cctype>
#include <cerrno>
#include <optional>

namespace tarvin::publish {

namespace {

bool StartsWithDigit(const std::string& text)
{
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text[0]));
}

bool IsNumericText(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789.") == std::string::npos;
}

// The digits up to the first non-digit; nullopt past the limit.
std::optional<unsigned long> LeadingNumber(const std::string& text, unsigned long limit)
{
    unsigned long value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            break;
        value = value * 10 + static_cast<unsigned long>(c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

std::string Quoted(const char* prefix, const std::string& text, const char* suffix)
{
    return std::string(prefix) + "'" + text + "'" + suffix;
}

} // namespace

int ResolveProto(const std::string& proto)
{
    if (proto.empty() || proto.size() > 31)
        throw ESocketException("WSocketResolveProto: Invalid Protocol.");
    if (StartsWithDigit(proto)) {
        const auto number = LeadingNumber(proto, 255);
        if (!number)
            throw ESocketException("WSocketResolveProto: Invalid Protocol.");
        return static_cast<int>(*number);
    }
    const protoent* entry = getprotobyname(proto.c_str());
    if (!entry)
        throw ESocketException(Quoted("WSocketResolveProto: Cannot convert protocol ", proto, ", Error #")
                               + std::to_string(errno));
    return entry->p_proto;
}

std::uint16_t ResolvePort(const std::string& port, const std::string& proto)
{
    if (port.empty() || port.size() > 31)
        throw ESocketException("WSocketResolvePort: Invalid Port.");
    if (proto.empty() || proto.size() > 31)
        throw ESocketException("WSocketResolvePort: Invalid Proto.");
    if (StartsWithDigit(port)) {
        const auto number = LeadingNumber(port, 65535);
        if (!number)
            throw ESocketException("WSocketResolvePort: Invalid Port.");
        return static_cast<std::uint16_t>(*number);
    }
    const servent* entry = getservbyname(port.c_str(), proto.c_str());
    if (!entry)
        throw ESocketException(Quoted("WSocketResolvePort: Cannot convert port ", port, ", Error #")
                               + std::to_string(errno));
    return ntohs(static_cast<std::uint16_t>(entry->s_port));
}

bool IsDottedAddress(const std::string& text)
{
    in_addr address{};
    return IsNumericText(text) && inet_aton(text.c_str(), &address) != 0;
}

std::string DottedAddress(in_addr address)
{
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address, text, sizeof text);
    return text;
}

in_addr ResolveHost(const std::string& addr)
{
    if (addr.empty() || addr.size() > 256)
        throw ESocketException("WSocketResolveHost: '" + addr + "' Invalid Hostname.");
    in_addr address{};
    if (IsNumericText(addr)) {
        if (inet_aton(addr.c_str(), &address) == 0)
            throw ESocketException("WSocketResolveHost: '" + addr + "' Invalid IP address.");
        return address;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int error = getaddrinfo(addr.c_str(), nullptr, &hints, &found);
    if (error != 0 || !found)
        throw ESocketException(Quoted("WSocketResolveHost: Cannot convert host address ", addr, ", Error #")
                               + std::to_string(error));
    address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return address;
}

} // namespace tarvin::publish
