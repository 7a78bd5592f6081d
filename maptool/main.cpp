// kubrel-map: previews and checks of map files from the command line, on the
// editor's own reader and drawing. Needs no display.

#include "map_tool.h"

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    // A write that meets a file-size limit then fails with EFBIG and is reported,
    // and the temporary file is removed, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);

    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int status = RunMapTool(args, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "kubrel-map: standard output: cannot be written\n";
        return status == 0 ? 1 : status;
    }
    return status;
}
