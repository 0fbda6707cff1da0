#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace tarnwick {

// A folder of the Windows user's profile as the shell names it: its value in
// the user's shell folder keys, and the name it has when nobody moved it.
struct ShellFolderName {
    std::string_view Value;
    std::string_view DefaultName;
};

inline constexpr ShellFolderName kSavedGamesFolder{"{4C5C32FF-BB9D-43B0-B5B4-2D72E54EAAA4}", "Saved Games"};
inline constexpr ShellFolderName kDocumentsFolder{"Personal", "Documents"};

// The folders of a Wine prefix that may be that folder of its user, those that
// exist: where the prefix's user.reg says the user moved or translated it
// (User Shell Folders, %USERPROFILE% standing for each user's folder, then
// Shell Folders), then the default name in each of drive_c/users/*.
[[nodiscard]] std::vector<std::filesystem::path> ShellFolders(const std::filesystem::path& prefix,
                                                              const ShellFolderName& folder);

}  // namespace tarnwick
