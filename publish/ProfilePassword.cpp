#include "publish/ProfilePassword.h"

#include <cstdint>

namespace tarvin::publish {

namespace {

constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::uint16_t keyStart = 5917;

std::uint16_t NextKey(std::uint16_t key, unsigned char scrambled)
{
    return static_cast<std::uint16_t>((key + scrambled) * 41263u + 30817u);
}

unsigned Sextet(char c)
{
    const auto index = alphabet.find(c);
    return index == std::string_view::npos ? 0 : static_cast<unsigned>(index);
}

} // namespace

std::string ScramblePassword(std::string_view password)
{
    std::string out(password.size(), '\0');
    std::uint16_t key = keyStart;
    for (std::size_t i = 0; i < password.size(); ++i) {
        const auto c = static_cast<unsigned char>(static_cast<unsigned char>(password[i]) ^ (key >> 8));
        out[i] = static_cast<char>(c);
        key = NextKey(key, c);
    }
    return out;
}

std::string UnscramblePassword(std::string_view scrambled)
{
    std::string out(scrambled.size(), '\0');
    std::uint16_t key = keyStart;
    for (std::size_t i = 0; i < scrambled.size(); ++i) {
        const auto c = static_cast<unsigned char>(scrambled[i]);
        out[i] = static_cast<char>(c ^ (key >> 8));
        key = NextKey(key, c);
    }
    return out;
}

std::string Base64Encode(std::string_view bytes)
{
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t left = bytes.size() - i;
        std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (left > 1)
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (left > 2)
            group |= static_cast<unsigned char>(bytes[i + 2]);
        out += alphabet[(group >> 18) & 63];
        out += alphabet[(group >> 12) & 63];
        out += left > 1 ? alphabet[(group >> 6) & 63] : '=';
        out += left > 2 ? alphabet[group & 63] : '=';
    }
    return out;
}

std::string Base64Decode(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i + 4 <= text.size(); i += 4) {
        const std::uint32_t group = Sextet(text[i]) << 18 | Sextet(text[i + 1]) << 12
                                    | Sextet(text[i + 2]) << 6 | Sextet(text[i + 3]);
        out += static_cast<char>(group >> 16);
        if (text[i + 2] != '=')
            out += static_cast<char>((group >> 8) & 0xFF);
        if (text[i + 2] != '=' && text[i + 3] != '=')
            out += static_cast<char>(group & 0xFF);
    }
    return out;
}

std::string EncodeProfilePassword(std::string_view password) { return Base64Encode(ScramblePassword(password)); }

std::string DecodeProfilePassword(std::string_view stored) { return UnscramblePassword(Base64Decode(stored)); }

} // namespace tarvin::publish
