// Starts the viewer as the program does and saves a picture of its main
// window to the file given, for machines without a display (under Xvfb).
#include <QApplication>
#include <QTimer>

#include "ui/main/main_window.h"
#include "model/open_file.h"
#include "system/registry.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        qWarning("usage: %s <picture.png>", argv[0]);
        return 2;
    }
    tarnwick::OpenFile openFile;
    const auto registry = tarnwick::MakeSystemRegistry();
    tarnwick::MainWindow window(openFile, *registry);
    window.show();
    const QString file = QString::fromLocal8Bit(argv[1]);
    // Once the window has been laid out and painted.
    QTimer::singleShot(500, [&] { QApplication::exit(window.grab().save(file) ? 0 : 1); });
    return QApplication::exec();
}
