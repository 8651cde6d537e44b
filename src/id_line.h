#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace telvaro {

// The longest registry value line: "ID"=hex:ff,ff and CR LF.
inline constexpr std::size_t id_line_capacity = 16;

// One registry value line, as the bytes that go to standard output.
struct id_line {
    std::array<char, id_line_capacity> bytes{};
    std::size_t size = 0;

    [[nodiscard]] constexpr std::string_view text() const noexcept {
        return {bytes.data(), size};
    }
    // The character count a print of this line reports: the CR LF line end
    // counts as one character, so 13, 14 or 15.
    [[nodiscard]] constexpr int reported_length() const noexcept {
        return static_cast<int>(size) - 1;
    }
};

// Formats the line of a registry export file that gives the binary value ID
// the two low bytes of value, least significant first, each in lowercase
// hexadecimal without leading zeros: 1234 gives "ID"=hex:d2,4 and CR LF.
// Bits 16 to 31 of value are dropped.
id_line format_id_line(std::int32_t value) noexcept;

}  // namespace telvaro
