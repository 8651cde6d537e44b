#pragma once

#include <string_view>

#include "id_line.h"

namespace telvaro {

// Written, with no line end, for any argument count other than one.
inline constexpr std::string_view usage_text = "Usage: TELVARO decimaltoconvert";

// The exit status of a run whose text did not reach standard output in full
// (a POSIX shell sees 255).
inline constexpr int write_failed_status = -1;

// What one run prints: the usage text, or the registry value line.
struct command_output {
    bool shows_usage = true;
    id_line line;  // Holds the text only when shows_usage is false.

    [[nodiscard]] constexpr std::string_view text() const noexcept {
        return shows_usage ? usage_text : line.text();
    }
    // The character count that the exit status reports on success: 31 for
    // the usage text, 13 to 15 for the line (its line end counted once).
    [[nodiscard]] constexpr int reported_length() const noexcept {
        return shows_usage ? static_cast<int>(usage_text.size()) : line.reported_length();
    }
};

// Decides what the command prints for its argument vector, the program's own
// entry first. Exactly one argument is converted; any other count gives the
// usage text. The program's entry is never looked at.
command_output convert_arguments(int argc, const char* const* argv) noexcept;

// The process exit status once output has been written, or has failed to be.
[[nodiscard]] constexpr int exit_status(const command_output& output, bool written_in_full) noexcept {
    return written_in_full ? output.reported_length() : write_failed_status;
}

}  // namespace telvaro
