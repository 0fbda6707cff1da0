#pragma once

#include <functional>

class QMenu;
class QMenuBar;

namespace tarnwick {

// Adds the "&Library" menu after the menu bar's commands: "Open &library"
// shows every object of the game's installs and their downloads.
QMenu* AddLibraryMenu(QMenuBar& menuBar, const std::function<void()>& open);

}  // namespace tarnwick
