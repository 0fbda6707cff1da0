#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// The files of the Linux launchers that keep Wine prefixes, read with a YAML
// library. Each is a few hundred bytes; anything larger than this is refused.
inline constexpr std::size_t kLauncherFileMaxSize = 1u << 20;

// What a Lutris game file (games/<name>.yml) says about a Windows game.
struct LutrisGame {
    std::string Prefix;  // game: prefix:, empty when none
    std::string Exe;     // game: exe:, empty when none
    std::string Error;   // why the text was refused; empty when read
};

[[nodiscard]] LutrisGame ReadLutrisGame(std::string_view text);
[[nodiscard]] LutrisGame LoadLutrisGame(const std::filesystem::path& file);

// The custom_bottles_path of Bottles' data.yml: a folder of more bottles.
struct BottlesData {
    std::string CustomBottlesPath;  // empty when none
    std::string Error;
};

[[nodiscard]] BottlesData ReadBottlesData(std::string_view text);
[[nodiscard]] BottlesData LoadBottlesData(const std::filesystem::path& file);

}  // namespace tarnwick
