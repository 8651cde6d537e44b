#include "decimal_reader.h"

namespace telvaro {
namespace {

// The white-space set is fixed: bytes of 0x80 and above are never white space,
// whatever the platform's locale or code page says.
constexpr bool is_space(unsigned char byte) noexcept {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

constexpr bool is_digit(unsigned char byte) noexcept {
    return byte >= '0' && byte <= '9';
}

}  // namespace

std::int32_t read_decimal(const char* text) noexcept {
    if (text == nullptr) {
        return 0;
    }
    const auto* cursor = reinterpret_cast<const unsigned char*>(text);

    // White space.
    while (is_space(*cursor)) {
        ++cursor;
    }

    // One sign at most; white space after it is not skipped.
    const bool negative = *cursor == '-';
    if (negative || *cursor == '+') {
        ++cursor;
    }

    // Digits. Unsigned arithmetic gives the wrap-around modulo 2^32 without
    // undefined behaviour.
    std::uint32_t magnitude = 0;
    while (is_digit(*cursor)) {
        magnitude = magnitude * 10U + static_cast<std::uint32_t>(*cursor - '0');
        ++cursor;
    }

    const std::uint32_t bits = negative ? 0U - magnitude : magnitude;
    // Two's-complement reinterpretation; well defined since C++20.
    return static_cast<std::int32_t>(bits);
}

}  // namespace telvaro
