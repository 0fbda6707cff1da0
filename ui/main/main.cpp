#include <QApplication>

#include "ui/main/main_window.h"
#include "model/open_file.h"
#include "system/registry.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tarnwick::OpenFile openFile;
    const auto registry = tarnwick::MakeSystemRegistry();
    tarnwick::MainWindow window(openFile, *registry);
    window.show();
    return QApplication::exec();
}
