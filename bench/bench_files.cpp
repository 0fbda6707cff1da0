#include "bench/bench_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "model/container/chunk_walker.h"
#include "model/container/file_reader.h"

namespace tarnwick::bench {

Bytes VariedBytes(std::size_t count, std::uint32_t seed)
{
    // xorshift32: cheap, and no two lines of a dump alike.
    Bytes bytes(count);
    std::uint32_t state = seed == 0 ? 1 : seed;
    for (auto& byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

Bytes MakeContainerFile(std::size_t totalBytes, std::size_t chunkCount)
{
    const std::size_t perChunk = (totalBytes - kFileHeaderSize) / chunkCount;
    const std::size_t contentSize = perChunk > kChunkHeaderSize ? perChunk - kChunkHeaderSize : 0;
    fixtures::IffBuilder file;
    file.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
    for (std::size_t i = 0; i < chunkCount; ++i)
        file.Chunk("DATA", "Chunk " + std::to_string(i + 1),
                   VariedBytes(contentSize, static_cast<std::uint32_t>(i + 1)),
                   static_cast<std::uint32_t>(i));
    return file.Build();
}

ChunkInfo MakeChunk(std::string_view type, std::size_t contentSize)
{
    const Bytes file = fixtures::IffBuilder().Chunk(type, "Benchmark", VariedBytes(contentSize)).Build();
    ChunkWalker walker{ByteString(file)};
    return *walker.Next();
}

bool WriteLargestChunkFile(const std::string& path)
{
    const auto chunkSize = static_cast<std::uint32_t>(kLargestReadableFile - kFileHeaderSize);
    const Bytes start = fixtures::IffBuilder()
                            .Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0)
                            .ChunkWithSizeField("DATA", chunkSize, "Largest", {})
                            .Build();
    std::error_code error;
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(start.data()), static_cast<std::streamsize>(start.size()));
        if (!out)
            return false;
    }
    std::filesystem::resize_file(path, kLargestReadableFile, error);
    return !error;
}

void MakeCharacterFiles(const std::string& folder, std::size_t count)
{
    char name[32];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "/Sim %06zu.IFF", i + 1);
        std::ofstream(folder + name, std::ios::binary);
    }
}

std::size_t ReadWithOneRead(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    struct stat info {};
    ::fstat(fd, &info);
    const auto size = static_cast<std::size_t>(info.st_size);
    const std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[size]);
    const ssize_t got = ::read(fd, buffer.get(), size);
    ::close(fd);
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

}  // namespace tarnwick::bench
