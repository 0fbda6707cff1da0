// Every decoder over a folder of real files, when TARNWICK_CORPUS names one:
// each reading decodes or declines with a line, and the declines per type
// match the ones known. Not run otherwise: the files are not ours to ship.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>

#include "model/container/chunk_loader.h"
#include "model/decoders/decoded_types.h"

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

// Declines known in the corpus, by type: a new one fails, and so does one
// that went away, so that this list stays true.
const std::map<std::string, std::size_t> kKnownDeclines = {};

bool IsGameFile(const fs::path& path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".iff" || extension == ".wll" || extension == ".flr";
}

struct TypeCount {
    std::size_t decoded = 0;
    std::size_t declined = 0;
};

TEST(Corpus, EveryDecoderReadsOrDeclinesEveryChunk)
{
    const char* folder = std::getenv("TARNWICK_CORPUS");
    if (folder == nullptr || *folder == '\0')
        GTEST_SKIP() << "Set TARNWICK_CORPUS to a folder of game files to run every decoder over them.";
    ASSERT_TRUE(fs::is_directory(folder)) << folder << " is not a folder.";

    std::map<std::string, TypeCount> counts;
    std::size_t files = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file() || !IsGameFile(entry.path()))
            continue;
        ++files;
        OpenFile file;
        SilentLoadOutput output;
        LoadChunkFile(file, entry.path().string(), entry.path().filename().string(), output);
        for (ChunkNumber number = 1; number <= file.Chunks.Count(); ++number) {
            const ChunkInfo& chunk = *file.Chunks.Find(number);
            const DecodedType* row = FindDecodedType(chunk.Type);
            if (row == nullptr)
                continue;
            const ChunkReading reading = row->read(chunk, file.Chunks);
            EXPECT_FALSE(reading.line.empty()) << entry.path() << " chunk " << number << " " << chunk.Type;
            TypeCount& count = counts[chunk.Type];
            ++(reading.decoded ? count.decoded : count.declined);
            if (!reading.decoded)
                std::cout << entry.path().string() << " chunk " << number << " " << chunk.Type << ": "
                          << reading.line << "\n";
        }
    }
    std::cout << files << " files\n";
    std::map<std::string, std::size_t> declines;
    for (const auto& [type, count] : counts) {
        std::cout << type << ": " << count.decoded << " decoded, " << count.declined << " declined\n";
        if (count.declined > 0)
            declines[type] = count.declined;
    }
    EXPECT_EQ(declines, kKnownDeclines);
}

}  // namespace
}  // namespace tarnwick
