#pragma once

#include <string>
#include <vector>

namespace telvaro::testing {

// Where the child's standard output goes.
enum class stdout_target {
    pipe,         // Captured.
    full_device,  // A device on which every write fails for want of space.
    closed,       // No standard output at all.
    broken_pipe,  // A pipe whose read end is already closed.
};

struct process_result {
    std::string standard_output;
    std::string standard_error;
    bool exited = false;  // False when the child was ended by a signal.
    int exit_code = 0;    // As the platform reports it to a parent.
};

// Whether this platform can give a child the stdout target at all; when not,
// reason says why.
bool supports(stdout_target target, std::string& reason);

// Whether this platform can give program exactly these argument bytes; when
// not, reason says why. POSIX passes any bytes within its size limits;
// Windows passes one command line of limited length through a code page.
bool can_pass_arguments(const std::string& program, const std::vector<std::string>& arguments,
                        std::string& reason);

// Runs program with exactly these argument bytes after its own entry, with an
// empty standard input, and waits for it.
process_result run_process(const std::string& program, const std::vector<std::string>& arguments,
                           stdout_target target = stdout_target::pipe);

// The exit code a parent sees for a process that returned status from main:
// the low eight bits on POSIX, the full value on Windows.
int exit_code_seen_for(int status);

}  // namespace telvaro::testing
