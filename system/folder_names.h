#pragma once

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// The entry of `folder` called `name`, ignoring the case of ASCII letters as
// Windows does, since a game installed on Windows and copied here keeps names
// such as "GAMEDATA" or "userdata": the exact name first, else the first such
// entry in name order. Nothing when there is none.
[[nodiscard]] std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& folder,
                                                             std::string_view name);
// The same down a chain of names: FindEntry(folder, {"GameData", "Walls"}).
[[nodiscard]] std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& folder,
                                                             std::initializer_list<std::string_view> names);

[[nodiscard]] bool IsFile(const std::filesystem::path& path);
[[nodiscard]] bool IsFolderPath(const std::filesystem::path& path);

// Paths to and from UTF-8 text, as Steam's files and people read them: wide
// on Windows, the same bytes elsewhere.
[[nodiscard]] std::filesystem::path PathFromUtf8(std::string_view text);
[[nodiscard]] std::string Utf8OfPath(const std::filesystem::path& path);

// The name of an entry, in UTF-8 where the system can say it.
[[nodiscard]] std::string NameOf(const std::filesystem::path& path);

}  // namespace tarnwick
