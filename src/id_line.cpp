#include "id_line.h"

namespace telvaro {
namespace {

constexpr std::string_view line_prefix = "\"ID\"=hex:";

// Writes byte in lowercase hexadecimal with no leading zero, one or two
// characters, and returns the position after it.
char* put_hex_byte(char* out, std::uint32_t byte) noexcept {
    constexpr std::string_view hex_digits = "0123456789abcdef";
    if (byte > 0xFU) {
        *out++ = hex_digits[byte >> 4U];
    }
    *out++ = hex_digits[byte & 0xFU];
    return out;
}

}  // namespace

id_line format_id_line(std::int32_t value) noexcept {
    const auto bits = static_cast<std::uint32_t>(value);
    const std::uint32_t low_byte = bits & 0xFFU;
    const std::uint32_t second_byte = (bits & 0xFF00U) >> 8U;

    id_line line;
    char* out = line.bytes.data();
    for (const char c : line_prefix) {
        *out++ = c;
    }
    out = put_hex_byte(out, low_byte);
    *out++ = ',';
    out = put_hex_byte(out, second_byte);
    // The line end is written here, not left to a text-mode stream, so every
    // platform and every kind of standard output gets the same bytes.
    *out++ = '\r';
    *out++ = '\n';
    line.size = static_cast<std::size_t>(out - line.bytes.data());
    return line;
}

}  // namespace telvaro
