#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A second reading of the argument and a second construction of the registry
// line, written on purpose another way than the code in src/: the reader here
// works on a string view with a wide signed residue instead of a pointer walk
// with 32-bit wrap-around, and the line is built from std::to_chars instead of
// a digit table. The differential test and the fuzz target compare the two, so
// a fault would have to be made twice, in the same way, to go unseen.
namespace telvaro::reference {

// The value the tool gives its argument: the signed run of digits after the
// white space and the sign, reduced modulo 2^32 and read as a signed 32-bit
// number. Like a C string, the text ends at its first zero byte.
inline std::int32_t read_decimal(std::string_view text) {
    constexpr std::string_view white_space = "\t\n\v\f\r ";
    constexpr std::int64_t modulus = std::int64_t{1} << 32;

    text = text.substr(0, text.find('\0'));
    text.remove_prefix(std::min(text.find_first_not_of(white_space), text.size()));

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    // The residue stays below 2^32 after every digit, so the 64-bit arithmetic
    // never wraps, however long the run is.
    std::int64_t residue = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        residue = (residue * 10 + (c - '0')) % modulus;
    }
    if (negative) {
        residue = (modulus - residue) % modulus;
    }
    return static_cast<std::int32_t>(residue >= modulus / 2 ? residue - modulus : residue);
}

// The registry line for value, CR LF included.
inline std::string id_line(std::int32_t value) {
    // The two low bytes are the value modulo 65,536, taken here as a
    // non-negative remainder rather than by masking.
    const std::int64_t low_sixteen_bits = (std::int64_t{value} % 65536 + 65536) % 65536;
    const auto append_hex = [](std::string& out, std::int64_t byte) {
        std::array<char, 2> digits{};
        const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), byte, 16);
        out.append(digits.data(), static_cast<std::size_t>(result.ptr - digits.data()));
    };
    std::string line = "\"ID\"=hex:";
    append_hex(line, low_sixteen_bits % 256);
    line += ',';
    append_hex(line, low_sixteen_bits / 256);
    line += "\r\n";
    return line;
}

}  // namespace telvaro::reference
