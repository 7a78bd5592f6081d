// write-map-file PATH: saves a small level to PATH with the editor's own map
// file writer, for tests that need a real map file.

#include "level.h"
#include "map_file.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: write-map-file PATH\n", stderr);
        return 2;
    }
    Level level;
    SetStartupValues(level);
    level.StartX = 1;
    level.StartY = 2;
    level.EndX = 14;
    level.EndY = 13;
    const MapWriteResult result = WriteMapFile(argv[1], level);
    if (!result) {
        std::fprintf(stderr, "write-map-file: %s: %s\n", argv[1], result.reason.c_str());
        return 1;
    }
    return 0;
}
