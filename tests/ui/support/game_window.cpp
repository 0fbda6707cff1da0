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
    auto* list = Find<QListWidget>(form_.get(), name);
    if (list == nullptr)
        qFatal("%s is no QListWidget: find it with View()", name);
    return list;
}

QAbstractItemView* GameWindow::View(const char* name) const
{
    return Find<QAbstractItemView>(form_.get(), name);
}

bool GameWindow::Pick(const char* list, const QString& text) const
{
    QAbstractItemView* view = View(list);
    const QModelIndexList found =
        view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, text, 2, Qt::MatchExactly);
    if (found.size() != 1)
        return false;
    view->setCurrentIndex(found.first());
    return true;
}

}  // namespace tarnwick::fixtures
