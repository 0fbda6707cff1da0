#include "ui/main/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdlib>
#include <cstring>

#include "system/archive_folders.h"
#include "system/install_search.h"
#include "widgets/path_text.h"

#include "ui/main/main_window.h"

namespace tarnwick {

CommandLinePath PathFromCommandLine(const QStringList& arguments)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A viewer for the chunked data files of The Sims.\n\n"
                       "tarnwick scan FOLDER... [--conflicts] [--format tsv|json] [--no-cache]\n"
                       "prints the objects, files and GUID conflicts of the folders without a window."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        QCommandLineOption(QString::fromLatin1(kListInstallsOption + 2),
                           QStringLiteral("Print the game's installs found, one block each, and exit.")));
    parser.addOption(QCommandLineOption(
        QString::fromLatin1(kLibraryOption + 2),
        QStringLiteral("Open the library on the folder given, or on every install's folders.")));
    parser.addPositionalArgument(
        QStringLiteral("FILE or FOLDER"),
        QStringLiteral("A game file to load, or a folder or archive (*.far) to show."),
        QStringLiteral("[FILE or FOLDER]"));
    parser.addPositionalArgument(QStringLiteral("MEMBER"),
                                 QStringLiteral("After an archive: the member to load, as the archive "
                                                "names it (People\\maid.iff or People/maid.iff)."),
                                 QStringLiteral("[MEMBER]"));
    parser.process(arguments);
    const QStringList paths = parser.positionalArguments();
    const bool member = paths.size() == 2 && IsArchiveName(PathBytes(QFileInfo(paths.first()).fileName()));
    if (paths.size() > 2 || (paths.size() == 2 && !member)) {
        std::fprintf(stderr,
                     "tarnwick: give one file or folder at most, or an archive and one of its "
                     "members (see --help)\n");
        std::exit(EXIT_FAILURE);
    }
    return {paths.value(0), paths.value(1)};
}

bool AsksForLibrary(const QStringList& arguments)
{
    return arguments.contains(QString::fromLatin1(kLibraryOption));
}

bool AsksForInstallList(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], kListInstallsOption) == 0)
            return true;
    return false;
}

int ListInstalls(std::FILE* out, std::FILE* errors)
{
    const InstallSearch search = FindInstalls(SearchPlaces::OfThisUser());
    std::fputs(DescribeInstalls(search.Installs).c_str(), out);
    for (const std::string& problem : search.Problems)
        std::fprintf(errors, "tarnwick: skipped %s\n", problem.c_str());
    return search.Installs.empty() ? EXIT_FAILURE : EXIT_SUCCESS;
}

void OpenAtStart(MainWindow& window, const CommandLinePath& path, std::FILE* errors)
{
    if (path.Path.isEmpty())
        return;
    const QString problem = window.Open(path.Path, path.Member);
    if (!problem.isEmpty())
        std::fprintf(errors, "%s\n", problem.toLocal8Bit().constData());
}

}  // namespace tarnwick
