#include <QApplication>
#include <QFile>
#include <cstdio>

#include "library/scan_command.h"
#include "model/container/open_file.h"
#include "system/install_search.h"
#include "system/registry.h"
#include "ui/main/command_line.h"
#include "ui/main/main_window.h"

int main(int argc, char* argv[])
{
    if (tarnwick::library::AsksForScan(argc, argv))
        return tarnwick::library::RunScanCommand({argv + 2, argv + argc}, stdout, stderr);
    if (tarnwick::AsksForInstallList(argc, argv))
        return tarnwick::ListInstalls(stdout, stderr);
    QApplication app(argc, argv);
    const tarnwick::CommandLinePath path = tarnwick::PathFromCommandLine(QApplication::arguments());
    tarnwick::OpenFile openFile;
    const auto registry = tarnwick::MakeSystemRegistry();
    tarnwick::MainWindow window(openFile, *registry,
                                tarnwick::FindInstalls(tarnwick::SearchPlaces::OfThisUser()).Installs);
    window.show();
    if (tarnwick::AsksForLibrary(QApplication::arguments()))
        window.ShowLibrary(path.Path.isEmpty()
                               ? std::vector<std::string>{}
                               : std::vector<std::string>{QFile::encodeName(path.Path).toStdString()});
    else
        tarnwick::OpenAtStart(window, path, stderr);
    return QApplication::exec();
}
