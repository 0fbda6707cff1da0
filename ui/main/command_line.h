#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

namespace tarnwick {

class MainWindow;

inline constexpr char kListInstallsOption[] = "--list-installs";
inline constexpr char kLibraryOption[] = "--library";

// What the command line names: "tarnwick [FILE or FOLDER]", or "tarnwick
// ARCHIVE.far MEMBER" for one member of an archive; empty texts for neither.
struct CommandLinePath {
    QString Path;
    QString Member;
};

// Answers --help and --version, and a wrong command line with one line of
// usage, then ends the program as QCommandLineParser does.
[[nodiscard]] CommandLinePath PathFromCommandLine(const QStringList& arguments);

// Whether the command line asks for the list of installs: answered before any
// window system is needed, so that it works over a plain terminal.
[[nodiscard]] bool AsksForInstallList(int argc, const char* const* argv);

// Whether the command line asks for the library window ("--library [FOLDER]").
[[nodiscard]] bool AsksForLibrary(const QStringList& arguments);

// Prints the installs found (one block each) to `out` and the settings files
// that were refused to `errors`. Returns the program's exit status: 0 when an
// install was found, 1 when none was.
int ListInstalls(std::FILE* out, std::FILE* errors);

// Opens `path` (and its member) in `window` as a drop does. A path that cannot
// be opened is reported as one line on `errors`, and the window stays as it started.
void OpenAtStart(MainWindow& window, const CommandLinePath& path, std::FILE* errors);

}  // namespace tarnwick
