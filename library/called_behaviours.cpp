#include "library/called_behaviours.h"

#include <algorithm>

#include "model/archive/far_archive.h"
#include "model/container/chunk_types.h"
#include "model/container/chunk_walker.h"
#include "model/container/file_reader.h"
#include "system/ascii_case.h"
#include "system/folder_names.h"
#include "system/game_install.h"

namespace tarnwick::library {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kGlobalFile = "global.iff";
constexpr std::string_view kIffSuffix = ".iff";

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    return lower;
}

// A member's name without the archive's folders ("Global\global.iff" is "global.iff").
std::string_view MemberBaseName(std::string_view name)
{
    const std::size_t slash = name.find_last_of("\\/");
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

}  // namespace

std::string SemiGlobalFileNameFor(std::string_view globalName)
{
    // A name is stored as the game wrote it: no folder, nothing to climb out with.
    if (globalName.empty() ||
        globalName.find_first_of(std::string_view("\\/:\0", 4)) != std::string_view::npos ||
        globalName.find_first_not_of('.') == std::string_view::npos)
        return {};
    std::string file = LowerCase(globalName);
    if (file.size() <= kIffSuffix.size() ||
        file.compare(file.size() - kIffSuffix.size(), kIffSuffix.size(), kIffSuffix) != 0)
        file += kIffSuffix;
    return file;
}

std::optional<fs::path> GameFolderAround(const fs::path& file)
{
    std::error_code error;
    fs::path folder = fs::absolute(file, error).lexically_normal().parent_path();
    if (error)
        return std::nullopt;
    for (;;) {
        if (IsGameFolder(folder))
            return folder;
        if (!folder.has_relative_path())
            return std::nullopt;
        folder = folder.parent_path();
    }
}

std::optional<fs::path> GameFolderFor(const std::string& file, const fs::path& installed)
{
    std::optional<fs::path> folder;
    if (!file.empty())
        folder = GameFolderAround(file);
    if (!folder && !installed.empty())
        folder = installed;
    return folder;
}

std::optional<CalledBehaviour> GameBehaviours::Global(std::uint16_t id)
{
    return Find(std::string(kGlobalFile), id);
}

std::optional<CalledBehaviour> GameBehaviours::SemiGlobal(std::string_view globalName, std::uint16_t id)
{
    const std::string file = SemiGlobalFileNameFor(globalName);
    if (file.empty())
        return std::nullopt;
    return Find(file, id);
}

std::optional<CalledBehaviour> GameBehaviours::Find(const std::string& fileName, std::uint16_t id)
{
    const std::lock_guard lock(mutex_);
    auto found = files_.find(fileName);
    if (found == files_.end())
        found = files_.emplace(fileName, Read(fileName)).first;
    const BehaviourFile& file = found->second;
    const auto name = file.names.find(id);
    if (name == file.names.end())
        return std::nullopt;
    return CalledBehaviour{name->second, {file.path, file.member, std::string(chunk_type::kBehaviour), id}};
}

GameBehaviours::BehaviourFile GameBehaviours::Read(const std::string& fileName) const
{
    BehaviourFile file;
    const auto globalFolder = FindEntry(gameFolder_, {"GameData", "Global"});
    if (!globalFolder)
        return file;
    // A loose file takes the place of the archive's member, as in the game.
    FileReadResult read;
    if (const auto loose = FindEntry(*globalFolder, fileName); loose && IsFile(*loose)) {
        file.path = loose->string();
        read = ReadWholeFile(file.path);
    } else if (const auto archive = FindEntry(*globalFolder, "Global.far"); archive && IsFile(*archive)) {
        const FarManifest manifest = ReadFarManifest(archive->string());
        const auto member =
            std::find_if(manifest.members.begin(), manifest.members.end(), [&](const FarMember& m) {
                return m.usable() && EqualIgnoringCase(MemberBaseName(m.name), fileName);
            });
        if (member == manifest.members.end())
            return file;
        file.path = archive->string();
        file.member = member->name;
        read = ReadFarMember(file.path, *member);
    } else {
        return file;
    }
    if (!read.ok())
        return file;
    ChunkWalker walker{ByteString(std::move(read.bytes))};
    while (const std::optional<ChunkInfo> chunk = walker.Next())
        if (chunk->Type == chunk_type::kBehaviour && chunk->IdBytes.size() == 4)
            file.names.try_emplace(chunk->Id, chunk->Label);
    return file;
}

std::shared_ptr<GameBehaviours> BehavioursOfGame(const fs::path& gameFolder)
{
    static std::mutex mutex;
    static std::map<fs::path, std::shared_ptr<GameBehaviours>> games;
    const std::lock_guard lock(mutex);
    std::shared_ptr<GameBehaviours>& game = games[gameFolder];
    if (!game)
        game = std::make_shared<GameBehaviours>(gameFolder);
    return game;
}

}  // namespace tarnwick::library
