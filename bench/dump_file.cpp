// Writes a file's bytes as the chunk display's dump, one line each, to standard
// output: the formatter timed beside other dump tools by tools/bench-compare.
// The file is read a block at a time, as those tools read it, and each block is
// dumped as a chunk's contents, so addresses count from the chunk header's 76.
#include <fcntl.h>
#include <unistd.h>
#include <cstdio>
#include <vector>

#include "model/chunk_window/chunk_dump.h"

namespace tarnwick {
namespace {

constexpr std::size_t kLinesPerBlock = 4096;
constexpr std::size_t kBlockBytes = kLinesPerBlock * ChunkDump::kBytesPerLine;

bool WriteAll(const char* text, std::size_t length)
{
    for (std::size_t done = 0; done < length;) {
        const ssize_t wrote = ::write(STDOUT_FILENO, text + done, length - done);
        if (wrote <= 0)
            return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// Fills `block` after its header from the file; returns the bytes read.
std::size_t ReadBlock(int file, std::vector<std::uint8_t>& block)
{
    std::size_t got = 0;
    while (got < kBlockBytes) {
        const ssize_t part = ::read(file, block.data() + kChunkHeaderSize + got, kBlockBytes - got);
        if (part <= 0)
            break;
        got += static_cast<std::size_t>(part);
    }
    return got;
}

int DumpFile(const char* path)
{
    const int file = ::open(path, O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        std::perror(path);
        return 1;
    }
    std::vector<char> text(kLinesPerBlock * (ChunkDump::kMaxLineLength + 1));
    std::size_t offset = 0;
    for (;;) {
        std::vector<std::uint8_t> block(kChunkHeaderSize + kBlockBytes);
        const std::size_t got = ReadBlock(file, block);
        if (got == 0)
            break;
        block.resize(kChunkHeaderSize + got);
        ChunkInfo chunk;
        chunk.Position = static_cast<std::int32_t>(offset + 1);
        chunk.Data = ByteString(std::move(block));
        const ChunkDump dump(chunk);
        std::size_t used = 0;
        for (std::size_t line = 0; line < dump.LineCount(); ++line) {
            used += dump.WriteLine(line, std::span<char, ChunkDump::kMaxLineLength>(
                                             text.data() + used, ChunkDump::kMaxLineLength));
            text[used++] = '\n';
        }
        if (!WriteAll(text.data(), used))
            return 1;
        offset += got;
    }
    ::close(file);
    return 0;
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    return tarnwick::DumpFile(argv[1]);
}
