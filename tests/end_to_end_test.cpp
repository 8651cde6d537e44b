// Runs the built TELVARO as a separate process with exact argument bytes and
// checks every byte of standard output, standard error and the exit code.
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/process.h"

namespace {

using telvaro::testing::exit_code_seen_for;
using telvaro::testing::run_process;
using telvaro::testing::stdout_target;

const std::string program = TELVARO_PATH;
const std::string usage = "Usage: TELVARO decimaltoconvert";

// The digits 1234567890 over and over, cut to length.
std::string digit_run(std::size_t length) {
    std::string digits;
    while (digits.size() < length) {
        digits += "1234567890";
    }
    digits.resize(length);
    return digits;
}

// The longest single argument Linux passes: 131,071 bytes and the zero byte.
std::string longest_digit_run() {
    return digit_run(131071);
}

struct run_case {
    const char* name;
    std::vector<std::string> arguments;
    std::string expected_output;
    int expected_status;
};

void PrintTo(const run_case& row, std::ostream* out) {
    *out << row.name;
}

const run_case run_cases[] = {
    // The argument count.
    {"no argument", {}, usage, 31},
    {"two arguments", {"12", "34"}, usage, 31},
    {"two empty arguments", {"", ""}, usage, 31},
    {"two arguments, the first ending in a backslash", {"5 \\", "6"}, usage, 31},

    // Line lengths 13, 14 and 15.
    {"zero", {"0"}, "\"ID\"=hex:0,0\r\n", 13},
    {"1234", {"1234"}, "\"ID\"=hex:d2,4\r\n", 14},
    {"255", {"255"}, "\"ID\"=hex:ff,0\r\n", 14},
    {"256", {"256"}, "\"ID\"=hex:0,1\r\n", 13},
    {"65535", {"65535"}, "\"ID\"=hex:ff,ff\r\n", 15},

    // Only the 16 low bits reach the line.
    {"65536", {"65536"}, "\"ID\"=hex:0,0\r\n", 13},
    {"minus one", {"-1"}, "\"ID\"=hex:ff,ff\r\n", 15},
    {"past 32 bits", {"99999999999"}, "\"ID\"=hex:ff,e7\r\n", 15},
    {"longest argument", {longest_digit_run()}, "\"ID\"=hex:35,6c\r\n", 15},
    // Still within the longest command line Windows takes.
    {"32,000 digits", {digit_run(32000)}, "\"ID\"=hex:d2,a\r\n", 14},

    // Lenient reading: no diagnostics, ever.
    {"letters", {"abc"}, "\"ID\"=hex:0,0\r\n", 13},
    {"empty argument", {""}, "\"ID\"=hex:0,0\r\n", 13},
    {"space inside", {"12 34"}, "\"ID\"=hex:c,0\r\n", 13},
    {"option-like", {"--version"}, "\"ID\"=hex:0,0\r\n", 13},
    // Some Windows C runtimes expand wildcards into file names themselves.
    {"wildcard", {"*"}, "\"ID\"=hex:0,0\r\n", 13},
    {"control white space", {"\t\n\v\f\r+7"}, "\"ID\"=hex:7,0\r\n", 13},
    {"other control byte", {"\0017"}, "\"ID\"=hex:0,0\r\n", 13},        // 0x01, then 7.
    {"byte 0xA0 before a digit", {"\2405"}, "\"ID\"=hex:0,0\r\n", 13},  // 0xA0, then 5.
    {"byte 0xFF after digits", {"300\xFF"}, "\"ID\"=hex:2c,1\r\n", 14},
};

class EndToEnd : public testing::TestWithParam<run_case> {};

TEST_P(EndToEnd, PrintsExactBytesAndExitsWithTheirCount) {
    const run_case& row = GetParam();
    std::string reason;
    if (!telvaro::testing::can_pass_arguments(program, row.arguments, reason)) {
        GTEST_SKIP() << row.name << ": " << reason;
    }
    const auto result = run_process(program, row.arguments);
    EXPECT_TRUE(result.exited) << row.name;
    EXPECT_EQ(result.standard_output, row.expected_output) << row.name;
    EXPECT_EQ(result.standard_error, "") << row.name;
    EXPECT_EQ(result.exit_code, exit_code_seen_for(row.expected_status)) << row.name;
}

INSTANTIATE_TEST_SUITE_P(Table, EndToEnd, testing::ValuesIn(run_cases));

// A run whose text does not arrive in full must not end with a character
// count: it ends with status -1 and still says nothing on standard error.
struct failure_case {
    const char* name;
    stdout_target target;
    std::vector<std::string> arguments;
};

void PrintTo(const failure_case& row, std::ostream* out) {
    *out << row.name;
}

const failure_case failure_cases[] = {
    {"line to a full device", stdout_target::full_device, {"1234"}},
    {"usage to a full device", stdout_target::full_device, {}},
    {"line to closed output", stdout_target::closed, {"1234"}},
    {"usage to closed output", stdout_target::closed, {"1", "2"}},
    {"line to a pipe nobody reads", stdout_target::broken_pipe, {"1234"}},
    {"usage to a pipe nobody reads", stdout_target::broken_pipe, {}},
};

class WriteFailure : public testing::TestWithParam<failure_case> {};

TEST_P(WriteFailure, ExitsWithMinusOneAndNoMessage) {
    const failure_case& row = GetParam();
    std::string reason;
    if (!telvaro::testing::supports(row.target, reason)) {
        GTEST_SKIP() << row.name << ": " << reason;
    }
    const auto result = run_process(program, row.arguments, row.target);
    EXPECT_TRUE(result.exited) << row.name;
    EXPECT_EQ(result.standard_error, "") << row.name;
    EXPECT_EQ(result.exit_code, exit_code_seen_for(-1)) << row.name;
}

INSTANTIATE_TEST_SUITE_P(Table, WriteFailure, testing::ValuesIn(failure_cases));

}  // namespace
