#include "synth/install_tree_builder.h"

#include <fstream>

#include "synth/iff_builder.h"

namespace tarnwick::fixtures {

namespace fs = std::filesystem;

namespace {

void WriteBytes(const fs::path& file, const Bytes& bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes SmallIff(std::string_view label)
{
    return IffBuilder().Chunk("STR#", label, StringTableContents(0, 0, {})).Build();
}

// Text between quotes as Wine's system.reg and Steam's files write it.
std::string Escaped(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        if (c == '\\' || c == '"')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

}  // namespace

void WriteTextFile(const fs::path& file, std::string_view text)
{
    WriteBytes(file, Bytes(text.begin(), text.end()));
}

void WriteGameFolder(const fs::path& folder)
{
    WriteBytes(folder / "GameData" / "Behavior.iff", SmallIff("Behavior"));
    WriteBytes(folder / "GameData" / "Walls" / "brick.wll", SmallIff("Wall"));
    WriteBytes(folder / "GameData" / "Floors" / "tile.flr", SmallIff("Floor"));
    WriteBytes(folder / "Downloads" / "chair.iff", SmallIff("Chair"));
}

void WriteLookAlikeGameFolder(const fs::path& folder)
{
    WriteBytes(folder / "GameData" / "Global.iff", SmallIff("Global"));
    WriteBytes(folder / "Downloads" / "chair.iff", SmallIff("Chair"));
    fs::create_directories(folder / "UserData");
}

void WriteNeighbourhoods(const fs::path& savesRoot, const std::vector<std::string>& names)
{
    for (const std::string& name : names) {
        WriteBytes(savesRoot / name / "Neighborhood.iff", SmallIff("Neighbourhood"));
        WriteBytes(savesRoot / name / "Characters" / (name + ".IFF"), SmallIff(name));
    }
}

void WriteLibraryList(const fs::path& steamRoot, const std::vector<std::string>& libraries,
                      LibraryListShape shape)
{
    std::string text = shape == LibraryListShape::Blocks
                           ? "\"libraryfolders\"\n{\n\t\"contentstatsid\"\t\t\"-1\"\n"
                           : "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1\"\n";
    for (std::size_t i = 0; i < libraries.size(); ++i) {
        const std::string number = std::to_string(shape == LibraryListShape::Blocks ? i : i + 1);
        if (shape == LibraryListShape::Blocks)
            text += "\t\"" + number + "\"\n\t{\n\t\t\"path\"\t\t\"" + Escaped(libraries[i]) +
                    "\"\n\t\t\"label\"\t\t\"\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\"\t\t\"1\"\n\t\t}\n\t}\n";
        else
            text += "\t\"" + number + "\"\t\t\"" + Escaped(libraries[i]) + "\"\n";
    }
    WriteTextFile(steamRoot / "steamapps" / "libraryfolders.vdf", text + "}\n");
}

void WriteAppManifest(const fs::path& library, std::string_view appId, std::string_view installDir)
{
    WriteTextFile(library / "steamapps" / ("appmanifest_" + std::string(appId) + ".acf"),
                  "\"AppState\"\n{\n\t\"appid\"\t\t\"" + std::string(appId) +
                      "\"\n\t\"name\"\t\t\"The Sims\"\n" + "\t\"installdir\"\t\t\"" + Escaped(installDir) +
                      "\"\n}\n");
}

void WriteWinePrefix(const fs::path& prefix,
                     const std::vector<std::pair<std::string, std::string>>& classicValues)
{
    fs::create_directories(prefix / "drive_c" / "users");
    fs::create_directories(prefix / "dosdevices");
    std::error_code error;
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:", error);
    std::string text = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n";
    text += "[Software\\\\Wine] 1700000000\n\"Version\"=\"wine-8.0\"\n\n";
    if (!classicValues.empty()) {
        text += "[Software\\\\Wow6432Node\\\\Maxis\\\\The Sims] 1700000000\n";
        for (const auto& [name, value] : classicValues)
            text += "\"" + name + "\"=\"" + Escaped(value) + "\"\n";
    }
    WriteTextFile(prefix / "system.reg", text);
}

void WriteUserShellFolders(const fs::path& prefix,
                           const std::vector<std::pair<std::string, std::string>>& userShellFolders,
                           const std::vector<std::pair<std::string, std::string>>& shellFolders)
{
    const std::string explorer = "Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\";
    std::string text =
        "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
        "#arch=win64\n\n[Environment] 1700000000\n\"TEMP\"=str(2):\"%USERPROFILE%\\\\Temp\"\n\n";
    text += "[" + explorer + "Shell Folders] 1700000000\n";
    for (const auto& [name, value] : shellFolders)
        text += "\"" + name + "\"=\"" + Escaped(value) + "\"\n";
    text += "\n[" + explorer + "User Shell Folders] 1700000000\n";
    for (const auto& [name, value] : userShellFolders)
        text += "\"" + name + "\"=str(2):\"" + Escaped(value) + "\"\n";
    WriteTextFile(prefix / "user.reg", text);
}

fs::path ReReleaseSavesFolder(const fs::path& prefix, std::string_view user)
{
    return prefix / "drive_c" / "users" / std::string(user) / "Saved Games" / "Electronic Arts" /
           "The Sims 25";
}

}  // namespace tarnwick::fixtures
