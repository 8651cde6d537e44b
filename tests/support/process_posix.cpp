#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "process.h"

// POSIX leaves this declaration to the program; only glibc with _GNU_SOURCE
// makes it too.
extern char** environ;  // NOLINT(readability-redundant-declaration)

namespace telvaro::testing {
namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + ": errno " + std::to_string(errno));
}

struct pipe_ends {
    int read_end = -1;
    int write_end = -1;
};

pipe_ends make_pipe() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        fail("pipe2");
    }
    return {ends[0], ends[1]};
}

// Reads both pipes to their end together, so neither can fill and stall the
// child while the other is read.
void drain(int out_fd, int err_fd, process_result& result) {
    pollfd fds[2] = {{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}};
    std::string* sinks[2] = {&result.standard_output, &result.standard_error};
    auto open_count =
        std::count_if(std::begin(fds), std::end(fds), [](const pollfd& p) { return p.fd >= 0; });
    char buffer[4096];
    while (open_count > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("poll");
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open_count;
            }
        }
    }
}

}  // namespace

bool supports(stdout_target target, std::string& reason) {
    if (target == stdout_target::full_device && ::access("/dev/full", W_OK) != 0) {
        reason = "/dev/full is missing on this machine";
        return false;
    }
    return true;
}

bool can_pass_arguments(const std::string&, const std::vector<std::string>&, std::string&) {
    return true;
}

process_result run_process(const std::string& program, const std::vector<std::string>& arguments,
                           stdout_target target) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    std::transform(arguments.begin(), arguments.end(), std::back_inserter(argv),
                   [](const std::string& argument) { return const_cast<char*>(argument.c_str()); });
    argv.push_back(nullptr);

    const pipe_ends err = make_pipe();
    pipe_ends out;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    switch (target) {
        case stdout_target::pipe:
            out = make_pipe();
            posix_spawn_file_actions_adddup2(&actions, out.write_end, STDOUT_FILENO);
            break;
        case stdout_target::full_device:
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
            break;
        case stdout_target::closed:
            posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
            break;
        case stdout_target::broken_pipe:
            out = make_pipe();
            ::close(out.read_end);
            out.read_end = -1;
            posix_spawn_file_actions_adddup2(&actions, out.write_end, STDOUT_FILENO);
            break;
    }
    posix_spawn_file_actions_adddup2(&actions, err.write_end, STDERR_FILENO);

    pid_t child = 0;
    const int spawn_error = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(err.write_end);
    if (out.write_end >= 0) {
        ::close(out.write_end);
    }
    if (spawn_error != 0) {
        errno = spawn_error;
        fail("posix_spawn " + program);
    }

    process_result result;
    drain(out.read_end, err.read_end, result);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            fail("waitpid");
        }
    }
    result.exited = WIFEXITED(status);
    result.exit_code = result.exited ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

int exit_code_seen_for(int status) {
    return status & 0xFF;
}

}  // namespace telvaro::testing
