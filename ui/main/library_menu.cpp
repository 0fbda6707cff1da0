#include "ui/main/library_menu.h"

#include <QMenu>
#include <QMenuBar>

namespace tarnwick {

QMenu* AddLibraryMenu(QMenuBar& menuBar, const std::function<void()>& open)
{
    QMenu* menu = menuBar.addMenu(QStringLiteral("&Library"));
    menu->setObjectName(QStringLiteral("libraryMenu"));
    QAction* action = menu->addAction(QStringLiteral("Open &library"), [open] { open(); });
    action->setObjectName(QStringLiteral("openLibraryCommand"));
    action->setStatusTip(
        QStringLiteral("Every object of the game and its downloads, and the GUIDs they share"));
    return menu;
}

}  // namespace tarnwick
