// Loads files one after the other as clicks in the main window's file list
// do, minus the window, and prints each one's chunk count: tools/bench-compare
// measures the peak memory of one file and of two in a row.
#include <cstdio>

#include "bench/bench_files.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE...\n", argv[0]);
        return 2;
    }
    tarnwick::OpenFile openFile;
    tarnwick::SilentLoadOutput output;
    for (int i = 1; i < argc; ++i) {
        tarnwick::LoadChunkFile(openFile, argv[i], "file", output);
        std::printf("%zu chunks\n", openFile.Chunks.Count());
    }
    return 0;
}
