// Writes a synthesised container file for tools/bench-compare: the size in
// MiB and the number of chunks are given on the command line.
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "bench/bench_files.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s OUTPUT MIB CHUNKS\n", argv[0]);
        return 2;
    }
    const auto mebibytes = std::strtoull(argv[2], nullptr, 10);
    const auto chunks = std::strtoull(argv[3], nullptr, 10);
    if (mebibytes == 0 || chunks == 0)
        return 2;
    const auto bytes = tarnwick::bench::MakeContainerFile(mebibytes * tarnwick::bench::kMiB, chunks);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
