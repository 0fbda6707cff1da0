#include "ui/main/start_folder.h"

#include <QDir>

#include "system/folder_names.h"
#include "system/game_path.h"
#include "system/native_folder.h"
#include "widgets/path_text.h"

namespace tarnwick {

QString FolderText(const std::filesystem::path& folder)
{
    return QDir::cleanPath(PathFromBytes(Utf8OfPath(folder)));
}

QString StartFolder(const std::string& gamePath, const std::vector<GameInstall>& installs)
{
    if (gamePath != kGamePathNotFound) {
        if (const auto folder = NativeFolder(gamePath + "UserData\\Characters"))
            return FolderText(*folder);
    }
    if (!installs.empty()) {
        const GameInstall& first = installs.front();
        return FolderText(first.Neighbourhoods.empty() ? first.GameFolder
                                                       : CharactersFolder(first.Neighbourhoods.front()));
    }
    return QDir::homePath();
}

}  // namespace tarnwick
