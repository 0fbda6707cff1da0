#pragma once

#include <QListWidget>
#include <memory>

#include "synth/memory_registry.h"
#include "tests/ui/support/game_files.h"
#include "ui/main/main_window.h"

namespace tarnwick::fixtures {

// The main window as it opens when the registry names a game folder: the
// folder's prefix is WINEPREFIX and its characters are listed.
class GameWindow {
public:
    GameWindow();

    [[nodiscard]] const GameFolder& Game() const { return game_; }
    [[nodiscard]] OpenFile& Module() { return openFile_; }
    [[nodiscard]] MainWindow& Form() { return *form_; }
    // The main window's chunk list, a QListWidget; fails the program for the
    // file and folder lists, which are not: View() finds those.
    [[nodiscard]] QListWidget* List(const char* name) const;
    [[nodiscard]] QAbstractItemView* View(const char* name) const;
    // Selects the line `text` of a list, as a click on it does; false when
    // the list does not hold it once.
    bool Pick(const char* list, const QString& text) const;

private:
    GameFolder game_;
    OpenFile openFile_;
    MemoryRegistry registry_;
    std::unique_ptr<MainWindow> form_;
};

}  // namespace tarnwick::fixtures
