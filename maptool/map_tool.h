#pragma once

#include <ostream>
#include <span>
#include <string>

// Exit statuses of kubrel-map.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; // a file could not be used, or a check found something
inline constexpr int kExitUsage = 2;

// Runs kubrel-map with the arguments after the program's name: results go to
// out, errors to err as "kubrel-map: FILE: reason". Returns the exit status.
int RunMapTool(std::span<const std::string> args, std::ostream& out, std::ostream& err);
