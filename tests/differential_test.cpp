// Compares read_decimal and format_id_line with the reference model in
// tests/support over every 16-bit value and its negative, the wrap-around
// boundaries, and many random byte strings from a fixed seed.
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "decimal_reader.h"
#include "id_line.h"
#include "support/escaped.h"
#include "support/reference_model.h"

namespace {

using telvaro::testing::escaped;

// Runs text through the tool's reader and formatter and through the model.
testing::AssertionResult agrees_with_model(const std::string& text) {
    const std::int32_t expected = telvaro::reference::read_decimal(text);
    const std::int32_t value = telvaro::read_decimal(text.c_str());
    if (value != expected) {
        return testing::AssertionFailure()
               << "text " << escaped(text) << ": read_decimal gives " << value << ", the model " << expected;
    }
    const std::string expected_line = telvaro::reference::id_line(expected);
    const telvaro::id_line line = telvaro::format_id_line(value);
    if (line.text() != expected_line) {
        return testing::AssertionFailure()
               << "text " << escaped(text) << " (value " << value << "): format_id_line gives "
               << escaped(line.text()) << ", the model " << escaped(expected_line);
    }
    return testing::AssertionSuccess();
}

TEST(Differential, EverySixteenBitValueAndItsNegative) {
    for (std::int32_t n = 0; n <= 65535; ++n) {
        const std::string digits = std::to_string(n);
        // The model is anchored to the plain meaning of the text first, so it
        // cannot agree with a reader that is wrong in the same way.
        ASSERT_EQ(telvaro::reference::read_decimal(digits), n) << "text " << digits;
        ASSERT_EQ(telvaro::reference::read_decimal("-" + digits), -n) << "text -" << digits;
        ASSERT_TRUE(agrees_with_model(digits));
        ASSERT_TRUE(agrees_with_model("-" + digits));
    }
}

TEST(Differential, WrapAroundBoundaries) {
    // Two below to two above 2^31, 2^32 and 2^64.
    constexpr std::string_view digit_runs[] = {
        "2147483646",           "2147483647",           "2147483648",           "2147483649",
        "2147483650",           "4294967294",           "4294967295",           "4294967296",
        "4294967297",           "4294967298",           "18446744073709551614", "18446744073709551615",
        "18446744073709551616", "18446744073709551617", "18446744073709551618",
    };
    // What may stand before and after the run without changing the number,
    // and what does change it.
    constexpr std::string_view leads[] = {"", "+", "-", " \t\n\v\f\r", "\t-", "0000", "-000", "+-", "\xA0"};
    constexpr std::string_view tails[] = {"", "x", " 1", "\x80", "\xFF", "0", "9"};
    for (const std::string_view run : digit_runs) {
        for (const std::string_view lead : leads) {
            for (const std::string_view tail : tails) {
                std::string text(lead);
                text += run;
                text += tail;
                ASSERT_TRUE(agrees_with_model(text));
            }
        }
    }
}

// Random byte strings, weighted towards the bytes that steer the reader.
class random_text {
public:
    explicit random_text(std::uint32_t seed) : engine_(seed) {}

    std::string next() {
        // Mostly short strings, now and then a run long enough to wrap many
        // times over.
        const std::uint32_t length = pick(16) == 0 ? pick(400) : pick(24);
        std::string text;
        for (std::uint32_t i = 0; i < length; ++i) {
            text += next_byte();
        }
        return text;
    }

private:
    // The raw engine output is used rather than a distribution, whose results
    // differ between standard libraries, so a seed means the same strings on
    // every platform.
    std::uint32_t pick(std::uint32_t bound) {
        return static_cast<std::uint32_t>(engine_() % bound);
    }

    char next_byte() {
        static constexpr std::string_view digits = "0123456789";
        static constexpr std::string_view signs = "+-";
        static constexpr std::string_view white_space = "\t\n\v\f\r ";
        static constexpr std::string_view other_controls =
            "\001\002\003\004\005\006\007\010\016\017\020\021\022\023\024\025\026\027\030\031\032\033\034"
            "\035\036\037\177";
        static constexpr std::string_view letters = "abcdefxzABCDEFXZ.,e_";
        const std::uint32_t kind = pick(100);
        if (kind < 50) {
            return digits[pick(10)];
        }
        if (kind < 60) {
            return signs[pick(2)];
        }
        if (kind < 75) {
            return white_space[pick(6)];
        }
        if (kind < 82) {
            return other_controls[pick(static_cast<std::uint32_t>(other_controls.size()))];
        }
        if (kind < 92) {
            // Bytes 0x80 to 0xFF, which no locale makes white space or digits here.
            return static_cast<char>(static_cast<unsigned char>(0x80U + pick(0x80)));
        }
        if (kind < 99) {
            return letters[pick(static_cast<std::uint32_t>(letters.size()))];
        }
        // A zero byte ends the text as the tool would see it.
        return '\0';
    }

    std::mt19937 engine_;
};

TEST(Differential, SeededRandomByteStrings) {
    constexpr std::uint32_t seed = 20240611U;
    constexpr int string_count = 200000;
    std::printf("random byte strings: seed %u, %d strings\n", static_cast<unsigned>(seed), string_count);
    random_text source(seed);
    for (int i = 0; i < string_count; ++i) {
        ASSERT_TRUE(agrees_with_model(source.next())) << "seed " << seed << ", string " << i;
    }
}

}  // namespace
