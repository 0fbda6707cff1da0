#include <QApplication>
#include <cstdio>

#include "model/container/open_file.h"
#include "system/registry.h"
#include "ui/main/command_line.h"
#include "ui/main/main_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString path = tarnwick::PathFromCommandLine(QApplication::arguments());
    tarnwick::OpenFile openFile;
    const auto registry = tarnwick::MakeSystemRegistry();
    tarnwick::MainWindow window(openFile, *registry);
    window.show();
    tarnwick::OpenAtStart(window, path, stderr);
    return QApplication::exec();
}
