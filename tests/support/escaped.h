#pragma once

#include <string>
#include <string_view>

namespace telvaro::testing {

// Shows bytes as a C++ string literal, every byte outside printable ASCII as a
// three-digit octal escape, so a failure message names its input exactly and
// the input can be pasted back into a test. Octal rather than hex, since a hex
// escape would swallow the digits that follow it.
inline std::string escaped(std::string_view bytes) {
    std::string shown = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            shown += '\\';
            shown += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            shown += c;
        } else {
            shown += '\\';
            shown += static_cast<char>('0' + (byte >> 6U));
            shown += static_cast<char>('0' + ((byte >> 3U) & 7U));
            shown += static_cast<char>('0' + (byte & 7U));
        }
    }
    shown += '"';
    return shown;
}

}  // namespace telvaro::testing
