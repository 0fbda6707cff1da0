#include <QApplication>

#include "ui/main/main_window.h"
#include "model/open_file.h"
#include "system/registry.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tarnwick::Module1 module;
    const auto registry = tarnwick::MakeSystemRegistry();
    tarnwick::Form1 window(module, *registry);
    window.show();
    return QApplication::exec();
}
