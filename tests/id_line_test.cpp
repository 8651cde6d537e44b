#include "id_line.h"

#include <cstdint>
#include <ostream>
#include <string_view>

#include <gtest/gtest.h>

namespace {

using telvaro::format_id_line;

struct line_case {
    std::int32_t value;
    std::string_view expected;
};

void PrintTo(const line_case& row, std::ostream* out) {
    *out << "value " << row.value;
}

constexpr line_case line_cases[] = {
    // One and two hex digits, lowercase, no leading zero.
    {0, "\"ID\"=hex:0,0\r\n"},
    {1234, "\"ID\"=hex:d2,4\r\n"},
    {0x0F, "\"ID\"=hex:f,0\r\n"},
    {0x10, "\"ID\"=hex:10,0\r\n"},
    {255, "\"ID\"=hex:ff,0\r\n"},
    {256, "\"ID\"=hex:0,1\r\n"},
    {0x0FAB, "\"ID\"=hex:ab,f\r\n"},
    {0x1000, "\"ID\"=hex:0,10\r\n"},
    {65535, "\"ID\"=hex:ff,ff\r\n"},

    // Bits 16 to 31 are dropped, whatever the sign.
    {65536, "\"ID\"=hex:0,0\r\n"},
    {65791, "\"ID\"=hex:ff,0\r\n"},
    {0x7FFF8001, "\"ID\"=hex:1,80\r\n"},
    {-1, "\"ID\"=hex:ff,ff\r\n"},
    {-256, "\"ID\"=hex:0,ff\r\n"},
    {-65536, "\"ID\"=hex:0,0\r\n"},
    {INT32_MIN, "\"ID\"=hex:0,0\r\n"},
    {INT32_MAX, "\"ID\"=hex:ff,ff\r\n"},
    {1215752191, "\"ID\"=hex:ff,e7\r\n"},
};

class FormatIdLine : public testing::TestWithParam<line_case> {};

TEST_P(FormatIdLine, WritesTheTwoLowBytesLeastSignificantFirst) {
    const line_case& row = GetParam();
    const telvaro::id_line line = format_id_line(row.value);
    EXPECT_EQ(line.text(), row.expected) << "value " << row.value;
    // The reported count takes the CR LF line end as one character.
    EXPECT_EQ(line.reported_length(), static_cast<int>(row.expected.size()) - 1) << "value " << row.value;
}

INSTANTIATE_TEST_SUITE_P(Table, FormatIdLine, testing::ValuesIn(line_cases));

}  // namespace
