#include <cstddef>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "stdout_writer.h"

namespace telvaro {

bool write_stdout_in_full(std::string_view text) noexcept {
    // WriteFile on the handle itself, not the C runtime's stdout: a text-mode
    // stream would turn the line's LF into CR LF and the CR LF into CR CR LF.
    // A console, a file and a pipe all get these bytes unchanged.
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    // A process started without standard output has a null handle here.
    if (output == nullptr || output == INVALID_HANDLE_VALUE) {
        return false;
    }

    while (!text.empty()) {
        constexpr std::size_t largest_write = MAXDWORD;
        const auto count = static_cast<DWORD>(text.size() < largest_write ? text.size() : largest_write);
        DWORD written = 0;
        if (::WriteFile(output, text.data(), count, &written, nullptr) == FALSE) {
            return false;
        }
        // A write that takes nothing would never finish the text.
        if (written == 0) {
            return false;
        }
        text.remove_prefix(written);
    }
    return true;
}

}  // namespace telvaro
