#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/container/chunk_loader.h"
#include "model/container/chunk_table.h"
#include "synth/iff_builder.h"

// Files and chunks the benchmarks run over, synthesised with the test fixtures.
namespace tarnwick::bench {

using fixtures::Bytes;

inline constexpr std::size_t kMiB = std::size_t{1} << 20;

// `count` bytes that vary from line to line, so no tool can fold repeated lines.
[[nodiscard]] Bytes VariedBytes(std::size_t count, std::uint32_t seed = 1);

// A container file of `totalBytes` (header included) in `chunkCount` DATA
// chunks of near-equal size.
[[nodiscard]] Bytes MakeContainerFile(std::size_t totalBytes, std::size_t chunkCount);

// One chunk of `type` at the first chunk position, with `contentSize` varied bytes.
[[nodiscard]] ChunkInfo MakeChunk(std::string_view type, std::size_t contentSize);

// Writes at `path` the largest file the viewer reads (2 GiB less a byte), one
// DATA chunk filling it, sparse: its 134 million dump lines of zeros cost no
// disk. Returns false when the file cannot be made.
bool WriteLargestChunkFile(const std::string& path);

// Makes `count` empty character files in the folder `folder`.
void MakeCharacterFiles(const std::string& folder, std::size_t count);

// The floor a load is measured against: the file read into memory with one
// read() into a buffer nobody zero-fills.
[[nodiscard]] std::size_t ReadWithOneRead(const std::string& path);

}  // namespace tarnwick::bench
