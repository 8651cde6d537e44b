#include <cerrno>

#include <signal.h>  // NOLINT(modernize-deprecated-headers): SIGPIPE is POSIX; <csignal> need not declare it.
#include <unistd.h>

#include "stdout_writer.h"

namespace telvaro {

bool write_stdout_in_full(std::string_view text) noexcept {
    // A pipe whose reader has gone is a failed write like any other: it is
    // reported through the exit status, as on every platform, rather than by
    // ending the process with SIGPIPE. signal() fails only for a signal
    // number that does not exist, so its result needs no check.
    static_cast<void>(::signal(SIGPIPE, SIG_IGN));

    while (!text.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        // A write that takes nothing would never finish the text.
        if (written == 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace telvaro
