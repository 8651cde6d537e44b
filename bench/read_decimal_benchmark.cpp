// Throughput of read_decimal, in bytes of argument per second, on arguments of
// everyday length and on the longest argument Linux passes to a program.
#include <cstdint>
#include <string>

#include <benchmark/benchmark.h>

#include "decimal_reader.h"

namespace {

// 131,071 digits: the longest single argument Linux passes is 131,072 bytes
// with its terminating zero byte.
std::string longest_digit_run() {
    constexpr std::size_t length = 131071;
    std::string digits;
    digits.reserve(length);
    while (digits.size() < length) {
        digits += static_cast<char>('0' + digits.size() % 10);
    }
    return digits;
}

void read_decimal_throughput(benchmark::State& state, const std::string& text) {
    const char* const argument = text.c_str();
    for (auto _ : state) {
        benchmark::DoNotOptimize(telvaro::read_decimal(argument));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

BENCHMARK_CAPTURE(read_decimal_throughput, four_digits, std::string("1234"));
BENCHMARK_CAPTURE(read_decimal_throughput, white_space_sign_and_wrap, std::string("\t -4294967297"));
BENCHMARK_CAPTURE(read_decimal_throughput, longest_argument, longest_digit_run());

}  // namespace

BENCHMARK_MAIN();
