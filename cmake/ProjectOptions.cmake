# Build options shared by every target. Each target links these interface
# targets privately, so nothing here leaks into the global flags.

option(KUBREL_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)
option(KUBREL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(DEFINED ENV{CI} AND NOT "$ENV{CI}" STREQUAL "" AND NOT "$ENV{CI}" STREQUAL "false")
    set(KUBREL_WARNINGS_AS_ERRORS ON CACHE BOOL "Treat compiler warnings as errors" FORCE)
endif()

add_library(kubrel_warnings INTERFACE)
target_compile_options(kubrel_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wconversion -Wshadow
    -Wsign-conversion -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
    $<$<BOOL:${KUBREL_WARNINGS_AS_ERRORS}>:-Werror>)

add_library(kubrel_options INTERFACE)
if(KUBREL_SANITIZE)
    target_compile_options(kubrel_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(kubrel_options INTERFACE -fsanitize=address,undefined)
endif()

# The fuzz build instruments the core libraries for libFuzzer's coverage and
# runs them under AddressSanitizer and UndefinedBehaviorSanitizer; undefined
# behaviour aborts, so the fuzzer records it as a crash. The level's arrays sit
# inside larger objects where AddressSanitizer cannot see an overrun, so the
# standard library's own bounds checks are on as well. The fuzz executables add
# libFuzzer's main at link time (fuzz/CMakeLists.txt).
if(KUBREL_FUZZ)
    target_compile_options(kubrel_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS)
    target_link_options(kubrel_options INTERFACE -fsanitize=address,undefined)
endif()
