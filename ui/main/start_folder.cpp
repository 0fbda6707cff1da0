#include "start_folder.h"

#include <QDir>
#include <QFileInfo>

#include "game_path.h"

namespace tarnwick {

QString StartFolder(const std::string& gamePath)
{
    if (gamePath != kGamePathNotFound) {
        QString folder = QString::fromStdString(gamePath) + QStringLiteral("UserData\\Characters");
        folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (QFileInfo(folder).isDir())
            return QDir::cleanPath(folder);
    }
    return QDir::homePath();
}

}  // namespace tarnwick
