#include "tests/ui/support/game_window.h"

#include "tests/ui/support/window_test.h"

namespace tarnwick::fixtures {

GameWindow::GameWindow()
{
    qputenv("WINEPREFIX", game_.Prefix().toUtf8());
    registry_.SetText("Software\\Maxis\\The Sims", "SIMS_DATA", GameFolder::WindowsRoot());
    form_ = std::make_unique<MainWindow>(openFile_, registry_);
    form_->show();
}

QListWidget* GameWindow::List(const char* name) const
{
    return Find<QListWidget>(form_.get(), name);
}

bool GameWindow::Pick(const char* list, const QString& text) const
{
    const auto items = List(list)->findItems(text, Qt::MatchExactly);
    if (items.size() != 1)
        return false;
    List(list)->setCurrentItem(items.first());
    return true;
}

}  // namespace tarnwick::fixtures
