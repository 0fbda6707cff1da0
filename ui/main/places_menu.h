#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "system/game_install.h"

class QMenu;
class QMenuBar;

namespace tarnwick {

// Where a place of the menu leads, and which kind of file it holds.
struct Place {
    QString Folder;
    enum class Kind { Any, Walls, Floors } Holds = Kind::Any;
};

// Adds the "&Places" menu after the menu bar's commands: for every install, a
// line naming it, then its game folder, Downloads, each neighbourhood's
// characters, and its walls and floors. Choosing one calls `go`.
QMenu* AddPlacesMenu(QMenuBar& menuBar, const std::vector<GameInstall>& installs,
                     const std::function<void(const Place&)>& go);

}  // namespace tarnwick
