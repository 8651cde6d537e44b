// Feeds arbitrary bytes to read_decimal and checks the value against the
// reference model, then checks format_id_line's line for the shape a registry
// file reader expects and against the model's line. Any disagreement aborts,
// which libFuzzer and the replay main both report as a failure.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "decimal_reader.h"
#include "id_line.h"
#include "support/escaped.h"
#include "support/reference_model.h"

namespace {

[[noreturn]] void fail(std::string_view input, const std::string& what) {
    std::cerr << "input " << telvaro::testing::escaped(input) << ": " << what << std::endl;
    std::abort();
}

// Reads one byte written in lowercase hexadecimal without a leading zero, or
// gives false for anything else.
bool read_hex_byte(std::string_view field, std::uint32_t& byte) {
    if (field.empty() || field.size() > 2 || (field.size() == 2 && field.front() == '0')) {
        return false;
    }
    byte = 0;
    for (const char c : field) {
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<std::uint32_t>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<std::uint32_t>(c - 'a') + 10U;
        } else {
            return false;
        }
        byte = byte * 16U + digit;
    }
    return true;
}

// Whether line is "ID"=hex:, the low byte of value, a comma, its second byte
// and CR LF: 13 to 15 characters with the line end counted once.
bool is_line_for(std::string_view line, std::int32_t value) {
    constexpr std::string_view prefix = "\"ID\"=hex:";
    constexpr std::string_view line_end = "\r\n";
    if (line.size() < 14 || line.size() > 16 || line.substr(0, prefix.size()) != prefix ||
        line.substr(line.size() - line_end.size()) != line_end) {
        return false;
    }
    const std::string_view fields = line.substr(prefix.size(), line.size() - prefix.size() - line_end.size());
    const std::size_t comma = fields.find(',');
    std::uint32_t low_byte = 0;
    std::uint32_t second_byte = 0;
    const auto bits = static_cast<std::uint32_t>(value);
    return comma != std::string_view::npos && read_hex_byte(fields.substr(0, comma), low_byte) &&
           read_hex_byte(fields.substr(comma + 1), second_byte) && low_byte == (bits & 0xFFU) &&
           second_byte == ((bits >> 8U) & 0xFFU);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The tool gets its argument as a C string, so only the bytes before the
    // first zero byte can reach it. They are copied into a buffer of exactly
    // that length and its zero byte, so AddressSanitizer catches a read past
    // the end.
    const std::uint8_t* const end = std::find(data, data + size, std::uint8_t{0});
    const auto length = static_cast<std::size_t>(end - data);
    const auto text = std::make_unique<char[]>(length + 1);
    std::copy(data, end, text.get());
    const std::string_view input(text.get(), length);

    const std::int32_t value = telvaro::read_decimal(text.get());
    const std::int32_t expected = telvaro::reference::read_decimal(input);
    if (value != expected) {
        fail(input,
             "read_decimal gives " + std::to_string(value) + ", the model " + std::to_string(expected));
    }

    const telvaro::id_line line = telvaro::format_id_line(value);
    if (!is_line_for(line.text(), value)) {
        fail(input, "format_id_line gives the malformed line " + telvaro::testing::escaped(line.text()));
    }
    if (line.text() != telvaro::reference::id_line(expected)) {
        fail(input, "format_id_line gives " + telvaro::testing::escaped(line.text()) + ", the model " +
                        telvaro::testing::escaped(telvaro::reference::id_line(expected)));
    }
    return 0;
}
