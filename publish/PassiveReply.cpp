#include "publish/PassiveReply.h"

#include <arpa/inet.h>

#include <cctype>
#include <cstdint>
#include <vector>

namespace tarvin::publish {

namespace {

// Digits at text[i], at most 5 of them, as a number; i moves past them.
std::optional<int> ReadNumber(const std::string& text, std::size_t& i)
{
    const std::size_t start = i;
    int value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && i - start < 5)
        value = value * 10 + (text[i++] - '0');
    if (i == start || (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))))
        return std::nullopt;
    return value;
}

// The reply text after its three-digit code.
std::size_t AfterCode(const std::string& reply)
{
    std::size_t i = 0;
    while (i < reply.size() && i < 3 && std::isdigit(static_cast<unsigned char>(reply[i])))
        ++i;
    return i;
}

} // namespace

std::optional<int> ParseEpsvPort(const std::string& reply)
{
    std::size_t i = reply.find('(', AfterCode(reply));
    if (i == std::string::npos || i + 4 >= reply.size())
        return std::nullopt;
    const char delimiter = reply[i + 1];
    if (std::isdigit(static_cast<unsigned char>(delimiter)) || reply[i + 2] != delimiter || reply[i + 3] != delimiter)
        return std::nullopt;
    i += 4;
    const auto port = ReadNumber(reply, i);
    if (!port || *port < 1 || *port > 65535 || i + 1 >= reply.size() || reply[i] != delimiter || reply[i + 1] != ')')
        return std::nullopt;
    return port;
}

std::optional<PassiveEndpoint> ParsePasvEndpoint(const std::string& reply)
{
    std::size_t i = AfterCode(reply);
    while (i < reply.size() && !std::isdigit(static_cast<unsigned char>(reply[i])))
        ++i;
    std::vector<int> numbers;
    while (numbers.size() < 6) {
        const auto number = ReadNumber(reply, i);
        if (!number || *number > 255)
            return std::nullopt;
        numbers.push_back(*number);
        if (numbers.size() < 6) {
            if (i >= reply.size() || reply[i] != ',')
                return std::nullopt;
            ++i;
        }
    }
    PassiveEndpoint endpoint;
    endpoint.address = std::to_string(numbers[0]) + "." + std::to_string(numbers[1]) + "." + std::to_string(numbers[2])
                       + "." + std::to_string(numbers[3]);
    endpoint.port = numbers[4] * 256 + numbers[5];
    if (endpoint.port == 0)
        return std::nullopt;
    return endpoint;
}

bool IsUnroutableAddress(const std::string& dotted)
{
    in_addr address{};
    if (::inet_pton(AF_INET, dotted.c_str(), &address) != 1)
        return true;
    const std::uint32_t a = ntohl(address.s_addr);
    const auto in = [a](std::uint32_t network, int bits) { return (a >> (32 - bits)) == (network >> (32 - bits)); };
    return in(0x00000000, 8)          // "this network"
           || in(0x0A000000, 8)       // 10/8
           || in(0x64400000, 10)      // 100.64/10, shared by carrier-grade NAT
           || in(0x7F000000, 8)       // loopback
           || in(0xA9FE0000, 16)      // link-local
           || in(0xAC100000, 12)      // 172.16/12
           || in(0xC0A80000, 16)      // 192.168/16
           || in(0xC6120000, 15)      // benchmarking
           || a >= 0xE0000000;        // multicast, reserved, broadcast
}

} // namespace tarvin::publish
