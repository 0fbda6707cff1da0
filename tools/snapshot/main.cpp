// Starts the viewer as the program does, on the file or folder given after the
// picture's name if any, and saves a picture of its main window to that file,
// for machines without a display (under Xvfb).
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "model/container/open_file.h"
#include "system/registry.h"
#include "ui/main/command_line.h"
#include "ui/main/main_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        qWarning("usage: %s <picture.png> [FILE or FOLDER]", argv[0]);
        return 2;
    }
    tarnwick::OpenFile openFile;
    const auto registry = tarnwick::MakeSystemRegistry();
    tarnwick::MainWindow window(openFile, *registry);
    window.show();
    tarnwick::OpenAtStart(window, {arguments.value(2), {}}, stderr);
    const QString& file = arguments.at(1);
    // Once the window has been laid out and painted.
    QTimer::singleShot(500, [&] { QApplication::exit(window.grab().save(file) ? 0 : 1); });
    return QApplication::exec();
}
