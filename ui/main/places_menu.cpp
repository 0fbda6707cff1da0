#include "ui/main/places_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "ui/main/start_folder.h"

namespace tarnwick {

namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QMenu* AddPlacesMenu(QMenuBar& menuBar, const std::vector<GameInstall>& installs,
                     const std::function<void(const Place&)>& go)
{
    QMenu* menu = menuBar.addMenu(QStringLiteral("&Places"));
    menu->setObjectName(QStringLiteral("placesMenu"));
    if (installs.empty())
        menu->addAction(QStringLiteral("No installation of The Sims found"))->setEnabled(false);
    const auto add = [&](const QString& caption, const std::filesystem::path& folder, Place::Kind kind) {
        if (folder.empty())
            return;
        const Place place{FolderText(folder), kind};
        QAction* action = menu->addAction(caption, [go, place] { go(place); });
        action->setToolTip(place.Folder);
        action->setStatusTip(place.Folder);
    };
    for (const GameInstall& install : installs) {
        if (!menu->isEmpty())
            menu->addSeparator();
        menu->addAction(Text(EditionName(install.Release)) + QStringLiteral(", ") +
                        Text(FoundInName(install.Where)))
            ->setEnabled(false);
        add(QStringLiteral("Game folder"), install.GameFolder, Place::Kind::Any);
        add(QStringLiteral("Downloads"), install.Downloads, Place::Kind::Any);
        for (const Neighbourhood& neighbourhood : install.Neighbourhoods)
            add(QStringLiteral("Characters of %1").arg(Text(neighbourhood.Name)),
                CharactersFolder(neighbourhood), Place::Kind::Any);
        add(QStringLiteral("Walls"), install.Walls, Place::Kind::Walls);
        add(QStringLiteral("Floors"), install.Floors, Place::Kind::Floors);
    }
    menu->setToolTipsVisible(true);
    return menu;
}

}  // namespace tarnwick
