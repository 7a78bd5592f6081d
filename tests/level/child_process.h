#pragma once

#include <cerrno>
#include <chrono>
#include <csignal>
#include <exception>
#include <functional>
#include <poll.h>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace level_test {

struct ChildOutcome {
    bool started = false;  // the pipe and the fork worked
    bool timedOut = false; // killed for running too long
    bool exited = false;   // ended through exit (not a signal)
    int exitCode = -1;
    std::string message; // what the child handed back
};

namespace detail {

inline void WriteMessage(int fd, const std::string& message) {
    std::size_t done = 0;
    while (done < message.size()) {
        const ssize_t n = ::write(fd, message.data() + done, message.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

// Reads the child's message until the pipe closes or the deadline passes.
inline bool ReadMessage(int fd, std::string& message,
                        std::chrono::steady_clock::time_point deadline) {
    char buffer[256];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd watch{fd, POLLIN, 0};
        const int ready = ::poll(&watch, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return false;
        }
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return true;
        }
        message.append(buffer, static_cast<std::size_t>(n));
    }
}

// Waits for the child until the deadline; kills it when the deadline passes.
inline void Reap(pid_t pid, std::chrono::steady_clock::time_point deadline, ChildOutcome& outcome) {
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            break;
        }
        if (done < 0 && errno != EINTR) {
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            outcome.timedOut = true;
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    outcome.exited = WIFEXITED(status);
    outcome.exitCode = outcome.exited ? WEXITSTATUS(status) : -1;
}

} // namespace detail

// Runs body in a forked child, so that it may change process-wide settings
// (resource limits, signal dispositions) without touching the test process.
// body returns the child's exit code and may fill message, which reaches the
// parent through a pipe. A child still running after `limit` is killed, so a
// stuck child cannot hang the test. The child ends with _exit and runs no
// handlers or destructors of the test process.
inline ChildOutcome RunInChild(const std::function<int(std::string& message)>& body,
                               std::chrono::seconds limit = std::chrono::seconds(30)) {
    ChildOutcome outcome;
    int fds[2];
    if (::pipe(fds) != 0) {
        return outcome;
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return outcome;
    }
    if (pid == 0) {
        ::close(fds[0]);
        std::string message;
        int code = 125;
        try {
            code = body(message);
        } catch (const std::exception& error) {
            message = error.what();
        } catch (...) {
            message = "unknown exception";
        }
        detail::WriteMessage(fds[1], message);
        ::_exit(code);
    }
    ::close(fds[1]);
    outcome.started = true;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    detail::ReadMessage(fds[0], outcome.message, deadline);
    ::close(fds[0]);
    detail::Reap(pid, deadline, outcome);
    return outcome;
}

} // namespace level_test
