#include "ui/main/start_folder.h"

#include <QDir>

#include "system/game_path.h"
#include "system/native_folder.h"

namespace tarnwick {

QString StartFolder(const std::string& gamePath)
{
    if (gamePath != kGamePathNotFound) {
        if (const auto folder = NativeFolder(gamePath + "UserData\\Characters"))
            return QDir::cleanPath(QString::fromStdU16String(folder->u16string()));
    }
    return QDir::homePath();
}

}  // namespace tarnwick
