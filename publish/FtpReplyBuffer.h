#pragma once
// The control connection's reply buffer: a fixed 4096-byte area (4095 bytes
// of data) cut into reply lines, and the reading of a reply line's code.

#include <array>
#include <optional>
#include <string>

namespace tarvin::publish {

class FtpReplyBuffer {
public:
    static constexpr int Capacity = 4095;

    char* FreeSpace() { return bytes_.data() + fill_; }
    int FreeCount() const { return Capacity - fill_; }
    void Added(int count) { fill_ += count; }
    void Clear() { fill_ = 0; }

    // The next complete line without its trailing CR and LF characters, removed
    // from the buffer; LF alone ends a line only when acceptLF is set.
    std::optional<std::string> TakeLine(bool acceptLF);

private:
    std::array<char, Capacity + 1> bytes_{};
    int fill_ = 0;
};

struct FtpReplyCode {
    int code = 0;
    bool final = false;  // the line ends a reply (a multi-line reply goes on after "nnn-")
};

// Blanks, tabs, CR and LF are skipped, then an optional sign and the digits.
// Codes are capped so that no overlong number can overflow or wrap to 0.
FtpReplyCode ParseReplyCode(const std::string& line);

} // namespace tarvin::publish
