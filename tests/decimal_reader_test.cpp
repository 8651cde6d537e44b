#include "decimal_reader.h"

#include <cstdint>
#include <ostream>
#include <string_view>

#include <gtest/gtest.h>

#include "support/escaped.h"

namespace {

using telvaro::read_decimal;
using telvaro::testing::escaped;

struct reader_case {
    const char* text;
    std::int32_t expected;
};

void PrintTo(const reader_case& row, std::ostream* out) {
    *out << "text " << escaped(row.text);
}

constexpr reader_case reader_cases[] = {
    // Plain numbers and leading zeros.
    {"1234", 1234},
    {"0", 0},
    {"007", 7},
    {"-0", 0},
    {"255", 255},
    {"65535", 65535},
    {"65536", 65536},

    // Signs: one at most, and no white space after it.
    {"+1234", 1234},
    {"-1", -1},
    {"-256", -256},
    {"-", 0},
    {"+", 0},
    {"+-5", 0},
    {"--5", 0},
    {"++5", 0},
    {"- 5", 0},
    {"+ 5", 0},

    // The six white-space bytes, and only those, are skipped before the sign.
    {"   +1234", 1234},
    {"\t-1", -1},
    {"\t\n\v\f\r 7", 7},
    {" \t -12", -12},
    // Octal escapes below, since a hex escape would swallow the digit after it.
    {"\2405", 0},  // No-break space (0xA0) in Latin-1: not white space.
    {"\2055", 0},  // Next line (0x85) in Latin-1: not white space.
    {"\0345", 0},  // File separator (0x1C): white space to some C libraries, not here.
    {"\1775", 0},  // Delete (0x7F).

    // Reading stops at the first byte that is not a digit.
    {"12abc", 12},
    {"12 34", 12},
    {"1e3", 1},
    {"0x10", 0},
    {"12\xB3", 12},    // Superscript three in Latin-1 is no digit.
    {"\xD9\xA3", 0},   // Arabic-Indic three in UTF-8 is no digit.
    {"12\00034", 12},  // Nothing past the terminating zero byte is read.

    // No digits at all.
    {"", 0},
    {"abc", 0},
    {" ", 0},

    // Wrap-around modulo 2^32, never saturation.
    {"2147483647", 2147483647},
    {"2147483648", INT32_MIN},
    {"-2147483648", INT32_MIN},
    {"-2147483649", 2147483647},
    {"4294967295", -1},
    {"4294967296", 0},
    {"4294967297", 1},
    {"-4294967296", 0},
    {"9223372036854775807", -1},
    {"9223372036854775808", 0},
    {"-9223372036854775809", -1},
    {"18446744073709551615", -1},
    {"18446744073709551616", 0},
    {"99999999999", 1215752191},
    {"1234567890123456789012345", 1038278521},
};

class ReadDecimal : public testing::TestWithParam<reader_case> {};

TEST_P(ReadDecimal, ReadsTheLeadingNumber) {
    const reader_case& row = GetParam();
    EXPECT_EQ(read_decimal(row.text), row.expected) << "text " << escaped(row.text);
}

INSTANTIATE_TEST_SUITE_P(Table, ReadDecimal, testing::ValuesIn(reader_cases));

TEST(ReadDecimalBytes, EveryByteBeforeADigitIsSkippedReadOrAStop) {
    constexpr std::string_view white_space = "\t\n\v\f\r ";
    for (int byte = 0x01; byte <= 0xFF; ++byte) {
        const char text[] = {static_cast<char>(byte), '5', '\0'};
        std::int32_t expected = 0;
        if (white_space.find(static_cast<char>(byte)) != std::string_view::npos || byte == '+') {
            expected = 5;
        } else if (byte == '-') {
            expected = -5;
        } else if (byte >= '0' && byte <= '9') {
            expected = (byte - '0') * 10 + 5;
        }
        EXPECT_EQ(read_decimal(text), expected) << "text " << escaped(text);
    }
}

TEST(ReadDecimalBytes, EveryByteAfterADigitIsReadOrAStop) {
    for (int byte = 0x01; byte <= 0xFF; ++byte) {
        const char text[] = {'5', static_cast<char>(byte), '7', '\0'};
        const std::int32_t expected = (byte >= '0' && byte <= '9') ? 500 + (byte - '0') * 10 + 7 : 5;
        EXPECT_EQ(read_decimal(text), expected) << "text " << escaped(text);
    }
}

TEST(ReadDecimalBytes, NullReadsAsEmptyText) {
    EXPECT_EQ(read_decimal(nullptr), 0);
}

}  // namespace
