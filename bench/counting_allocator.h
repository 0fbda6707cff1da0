#pragma once

#include <cstddef>

// A program linked with counting_allocator.cpp counts every byte operator new
// hands out, so a benchmark can say how many were live at most while it ran.
namespace tarnwick::bench {

[[nodiscard]] std::size_t LiveBytes();
[[nodiscard]] std::size_t PeakBytes();
// Makes the peak the bytes live now.
void ResetPeakBytes();

}  // namespace tarnwick::bench
