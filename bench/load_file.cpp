// Loads a file as the main window does, minus the window, and prints its
// chunk count: tools/bench-compare measures its peak memory.
#include <cstdio>

#include "bench/bench_files.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    tarnwick::OpenFile openFile;
    tarnwick::bench::NullLoadOutput output;
    tarnwick::LoadChunkFile(openFile, argv[1], "file", output);
    std::printf("%zu chunks\n", openFile.Chunks.Count());
    return 0;
}
