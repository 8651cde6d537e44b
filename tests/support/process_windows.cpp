#include <cstddef>
#include <future>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "process.h"

namespace telvaro::testing {
namespace {

// CreateProcess takes at most 32,767 characters of command line, its
// terminating null included.
constexpr std::size_t longest_command_line = 32766;

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + ": Windows error " + std::to_string(::GetLastError()));
}

// Owns one handle and closes it once.
class owned_handle {
public:
    owned_handle() = default;
    explicit owned_handle(HANDLE handle) : handle_(handle) {}
    owned_handle(owned_handle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    owned_handle& operator=(owned_handle&& other) noexcept {
        reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    owned_handle(const owned_handle&) = delete;
    owned_handle& operator=(const owned_handle&) = delete;
    ~owned_handle() {
        reset();
    }

    [[nodiscard]] HANDLE get() const {
        return handle_;
    }
    void reset(HANDLE handle = nullptr) {
        if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle_);
        }
        handle_ = handle;
    }

private:
    HANDLE handle_ = nullptr;
};

SECURITY_ATTRIBUTES inheritable() {
    SECURITY_ATTRIBUTES attributes{};
    attributes.nLength = sizeof attributes;
    attributes.bInheritHandle = TRUE;
    return attributes;
}

struct pipe_ends {
    owned_handle read_end;
    owned_handle write_end;
};

// Only the write end is inherited: a read end left in the child would keep a
// pipe nobody reads from ever breaking, and one left in a sibling would keep
// the parent's read from ever seeing the end.
pipe_ends make_pipe() {
    SECURITY_ATTRIBUTES attributes = inheritable();
    HANDLE read_end = nullptr;
    HANDLE write_end = nullptr;
    if (::CreatePipe(&read_end, &write_end, &attributes, 0) == FALSE) {
        fail("CreatePipe");
    }
    pipe_ends ends{owned_handle(read_end), owned_handle(write_end)};
    if (::SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0) == FALSE) {
        fail("SetHandleInformation");
    }
    return ends;
}

owned_handle open_empty_input() {
    SECURITY_ATTRIBUTES attributes = inheritable();
    const HANDLE input = ::CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &attributes,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (input == INVALID_HANDLE_VALUE) {
        fail("CreateFile NUL");
    }
    return owned_handle(input);
}

// Reads until every write end is closed, which a pipe reports as broken.
std::string read_to_end(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    for (;;) {
        DWORD got = 0;
        if (::ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) == FALSE) {
            if (::GetLastError() == ERROR_BROKEN_PIPE) {
                return text;
            }
            fail("ReadFile");
        }
        text.append(buffer, got);
    }
}

// Appends argument to a command line so that the child's C runtime splits it
// back out unchanged. The MSVCRT, UCRT and CommandLineToArgvW rules: white
// space or a quote needs the argument quoted; inside quotes, backslashes are
// literal unless a quote follows them, so backslashes before a quote (an
// escaped one, or the closing one) are doubled, and an escaped quote gets one
// more. An empty argument is a pair of quotes.
void append_argument(std::string& line, const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) {
        line += argument;
        return;
    }
    line += '"';
    std::size_t backslashes = 0;
    for (const char byte : argument) {
        if (byte == '\\') {
            ++backslashes;
            continue;
        }
        line.append(byte == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        line += byte;
    }
    line.append(2 * backslashes, '\\');
    line += '"';
}

// The program's own entry is read by other rules: quotes only group and a
// backslash is always literal. A path holds no quote, so quoting it whole is
// always right.
std::string command_line(const std::string& program, const std::vector<std::string>& arguments) {
    std::string line = '"' + program + '"';
    for (const std::string& argument : arguments) {
        line += ' ';
        append_argument(line, argument);
    }
    return line;
}

}  // namespace

bool supports(stdout_target target, std::string& reason) {
    if (target == stdout_target::full_device) {
        reason = "Windows has no device like /dev/full on which every write fails for want of space";
        return false;
    }
    return true;
}

bool can_pass_arguments(const std::string& program, const std::vector<std::string>& arguments,
                        std::string& reason) {
    for (const std::string& argument : arguments) {
        for (const char byte : argument) {
            if (static_cast<unsigned char>(byte) >= 0x80) {
                reason = "Windows passes argument bytes of 0x80 and above through the ANSI code page, "
                         "not unchanged";
                return false;
            }
        }
    }
    const std::size_t length = command_line(program, arguments).size();
    if (length > longest_command_line) {
        reason = "the command line would be " + std::to_string(length) +
                 " characters, and Windows holds at most 32,767 with its terminating null";
        return false;
    }
    return true;
}

process_result run_process(const std::string& program, const std::vector<std::string>& arguments,
                           stdout_target target) {
    std::string reason;
    if (!supports(target, reason) || !can_pass_arguments(program, arguments, reason)) {
        throw std::invalid_argument(reason);
    }
    std::string line = command_line(program, arguments);

    const owned_handle input = open_empty_input();
    pipe_ends err = make_pipe();
    pipe_ends out;
    switch (target) {
        case stdout_target::pipe:
            out = make_pipe();
            break;
        case stdout_target::full_device:
        case stdout_target::closed:
            break;
        case stdout_target::broken_pipe:
            out = make_pipe();
            out.read_end.reset();
            break;
    }

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.get();
    // A null handle is what a process started without standard output has.
    startup.hStdOutput = out.write_end.get();
    startup.hStdError = err.write_end.get();

    // No console for the child: its standard handles are then exactly the
    // ones given here, never a console's own, and no console window opens.
    // Under Wine, program is the Unix path the cross build knows. Wine opens
    // it as given, whichever drive the current directory is on, so it needs
    // no translation to a drive letter.
    PROCESS_INFORMATION child{};
    if (::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr,
                         &startup, &child) == FALSE) {
        fail("CreateProcess " + program);
    }
    const owned_handle child_process(child.hProcess);
    const owned_handle child_thread(child.hThread);
    // The parent's copies of the write ends must go, or the reads below
    // would never see the end of either pipe.
    out.write_end.reset();
    err.write_end.reset();

    // Both pipes are read at once, so neither can fill and stall the child
    // while the other is read.
    process_result result;
    std::future<std::string> error_text = std::async(std::launch::async, read_to_end, err.read_end.get());
    if (out.read_end.get() != nullptr) {
        result.standard_output = read_to_end(out.read_end.get());
    }
    result.standard_error = error_text.get();

    if (::WaitForSingleObject(child_process.get(), INFINITE) != WAIT_OBJECT_0) {
        fail("WaitForSingleObject");
    }
    DWORD exit_code = 0;
    if (::GetExitCodeProcess(child_process.get(), &exit_code) == FALSE) {
        fail("GetExitCodeProcess");
    }
    // Windows has no signals: a crash ends the process with an exception
    // code as its exit code, which the tests' exit code checks catch.
    result.exited = true;
    result.exit_code = static_cast<int>(exit_code);
    return result;
}

int exit_code_seen_for(int status) {
    return status;
}

}  // namespace telvaro::testing
