// Opens the main window on a folder, as it opens on the home folder without
// the game, lets it draw, and quits: tools/bench-compare times it and measures
// its peak memory on folders of different sizes.
#include <QAbstractItemView>
#include <QApplication>
#include <cstdio>

#include "model/container/open_file.h"
#include "synth/memory_registry.h"
#include "ui/common/control_names.h"
#include "ui/main/main_window.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    qputenv("HOME", argv[1]);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tarnwick::OpenFile openFile;
    tarnwick::fixtures::MemoryRegistry noGame;
    tarnwick::MainWindow form(openFile, noGame);
    form.show();
    QCoreApplication::processEvents();
    const auto* files = form.findChild<QAbstractItemView*>(QString::fromLatin1(tarnwick::names::kFileList));
    std::printf("%d files listed\n", files->model()->rowCount());
    return 0;
}
