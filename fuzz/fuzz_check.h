#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the run when a property of the code under test does not hold. The abort
// is a crash to libFuzzer, which then saves the input that caused it.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? static_cast<void>(0) : ::fuzz::FailCheck(#condition, __FILE__, __LINE__))

// For the checks' own loops over pixels and guards: their branches say nothing
// about the code under test, and tracing them would only slow the fuzzer down.
#define FUZZ_NO_COVERAGE __attribute__((no_sanitize("coverage")))

namespace fuzz {

[[noreturn]] inline void FailCheck(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

} // namespace fuzz
