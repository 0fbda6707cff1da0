#include <QApplication>

#include "form1.h"
#include "module1.h"
#include "registry.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tarnwick::Module1 module;
    const auto registry = tarnwick::MakeSystemRegistry();
    tarnwick::Form1 window(module, *registry);
    window.show();
    return QApplication::exec();
}
