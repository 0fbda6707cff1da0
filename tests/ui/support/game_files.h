#pragma once

#include <QString>

#include "model/container/open_file.h"
#include "synth/bmp_builder.h"
#include "synth/iff_builder.h"
#include "synth/temp_dir.h"

namespace tarnwick::fixtures {

// "a.IFF": the chunks the window tests step through, with the zero-based file
// offset of each.
//   1 STR# "Names"   two strings, "Hi" and "Yo"          at 64
//   2 DATA "Numbers" the 40 bytes 0..39                  at 150
//   3 rsmp           a map of both, and an empty type    at 266
//   4 SPR# "Sprite"  kSampleSpriteSize bytes of 7 * k     after it
//   5 BMP_ "Picture" SamplePicture() as a BMP file
[[nodiscard]] Bytes SampleFile();
[[nodiscard]] Bitmap SamplePicture();  // 48 x 32 pixels of 24 bits
inline constexpr std::size_t kSampleSpriteSize = 2000;
inline constexpr std::uint32_t kNamesOffset = 64;
inline constexpr std::uint32_t kNumbersOffset = 150;

// A Wine-style prefix whose drive C: holds a game folder "The Sims" with
// "UserData/Characters" holding a.IFF, b.iff (one chunk), many.IFF (1000
// chunks and more), c.WLL, d.FLR, and a folder named x.IFF.
class GameFolder {
public:
    GameFolder();
    [[nodiscard]] QString Prefix() const;
    [[nodiscard]] static std::string WindowsRoot() { return "C:\\The Sims"; }  // as the registry holds it
    [[nodiscard]] QString Characters() const;  // its characters folder on disk

private:
    TempDir dir_;
};

// Loads `bytes` into a fresh openFile's data and chunk table, as a load does.
void LoadBytes(OpenFile& openFile, const Bytes& bytes);

}  // namespace tarnwick::fixtures
