#pragma once

#include <string_view>

namespace telvaro {

// Writes text to standard output unbuffered and unconverted: the bytes given
// are the bytes that arrive, on every platform. Completes a partial write and
// retries an interrupted one. Returns false when the text could not be
// written in full (a closed or unwritable standard output, a full device);
// nothing is reported anywhere else. The one platform-specific piece of the
// program; each platform has its own source file.
[[nodiscard]] bool write_stdout_in_full(std::string_view text) noexcept;

}  // namespace telvaro
