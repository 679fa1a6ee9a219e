#pragma once
// Builds expected component-stream bytes in tests, record by record.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvin::test {

class StreamBytes {
public:
    StreamBytes& Raw(std::string_view bytes) { bytes_.append(bytes); return *this; }
    StreamBytes& Byte(std::uint8_t b) { bytes_.push_back(static_cast<char>(b)); return *this; }
    StreamBytes& Short(std::string_view s) { Byte(static_cast<std::uint8_t>(s.size())); return Raw(s); }
    StreamBytes& Header(std::string_view className, std::string_view name = "")
    {
        return Raw("TPF0").Short(className).Short(name);
    }
    StreamBytes& Int8(std::string_view name, std::int8_t v) { return Short(name).Byte(0x02).Byte(static_cast<std::uint8_t>(v)); }
    StreamBytes& Int16(std::string_view name, std::int16_t v)
    {
        const auto u = static_cast<std::uint16_t>(v);
        return Short(name).Byte(0x03).Byte(u & 0xFF).Byte(u >> 8);
    }
    StreamBytes& Int32(std::string_view name, std::int32_t v)
    {
        Short(name).Byte(0x04);
        auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i, u >>= 8)
            Byte(u & 0xFF);
        return *this;
    }
    StreamBytes& Bool(std::string_view name, bool v) { return Short(name).Byte(v ? 0x09 : 0x08); }
    StreamBytes& Ident(std::string_view name, std::string_view id) { return Short(name).Byte(0x07).Short(id); }
    StreamBytes& Str(std::string_view name, std::string_view v) { return Short(name).Byte(0x06).Short(v); }
    StreamBytes& End() { return Byte(0x00); }

    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

} // namespace tarvin::test
