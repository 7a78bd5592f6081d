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
