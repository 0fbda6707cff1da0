#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

namespace tarnwick {

class MainWindow;

// The file or folder the command line names ("tarnwick [FILE or FOLDER]"), or
// an empty text. Answers --help and --version, and a wrong command line with
// one line of usage, then ends the program as QCommandLineParser does.
[[nodiscard]] QString PathFromCommandLine(const QStringList& arguments);

// Opens `path` in `window` as a drop does. A path that cannot be opened is
// reported as one line on `errors`, and the window stays as it started.
void OpenAtStart(MainWindow& window, const QString& path, std::FILE* errors);

}  // namespace tarnwick
