#include "converter.h"

#include <ostream>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace {

using telvaro::convert_arguments;

constexpr std::string_view usage = "Usage: TELVARO decimaltoconvert";

struct command_case {
    const char* name;
    std::vector<const char*> arguments;  // The program's entry first.
    std::string_view expected_text;
    int expected_status;
};

void PrintTo(const command_case& row, std::ostream* out) {
    *out << row.name;
}

const command_case command_cases[] = {
    {"no argument", {"TELVARO"}, usage, 31},
    {"empty vector", {}, usage, 31},
    {"two arguments", {"TELVARO", "12", "34"}, usage, 31},
    {"three arguments", {"TELVARO", "1", "2", "3"}, usage, 31},
    {"one number", {"TELVARO", "1234"}, "\"ID\"=hex:d2,4\r\n", 14},
    {"one empty argument", {"TELVARO", ""}, "\"ID\"=hex:0,0\r\n", 13},
    {"largest line", {"TELVARO", "-1"}, "\"ID\"=hex:ff,ff\r\n", 15},
    // The program's own entry is never looked at.
    {"missing program entry", {nullptr, "255"}, "\"ID\"=hex:ff,0\r\n", 14},
    {"option-like argument", {"TELVARO", "--help"}, "\"ID\"=hex:0,0\r\n", 13},
};

class ConvertArguments : public testing::TestWithParam<command_case> {};

TEST_P(ConvertArguments, ChoosesTheTextAndItsStatus) {
    const command_case& row = GetParam();
    std::vector<const char*> argv = row.arguments;
    const int argc = static_cast<int>(argv.size());
    argv.push_back(nullptr);

    const telvaro::command_output output = convert_arguments(argc, argv.data());
    EXPECT_EQ(output.text(), row.expected_text) << row.name;
    EXPECT_EQ(telvaro::exit_status(output, true), row.expected_status) << row.name;
    EXPECT_EQ(telvaro::exit_status(output, false), -1) << row.name;
}

INSTANTIATE_TEST_SUITE_P(Table, ConvertArguments, testing::ValuesIn(command_cases));

}  // namespace
