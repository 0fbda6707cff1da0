#include "ui/main/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdlib>

#include "ui/main/main_window.h"

namespace tarnwick {

QString PathFromCommandLine(const QStringList& arguments)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A viewer for the chunked data files of The Sims."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE or FOLDER"),
                                 QStringLiteral("A game file to load, or a folder to show."),
                                 QStringLiteral("[FILE or FOLDER]"));
    parser.process(arguments);
    const QStringList paths = parser.positionalArguments();
    if (paths.size() > 1) {
        std::fprintf(stderr, "tarnwick: give one file or folder at most (see --help)\n");
        std::exit(EXIT_FAILURE);
    }
    return paths.isEmpty() ? QString() : paths.first();
}

void OpenAtStart(MainWindow& window, const QString& path, std::FILE* errors)
{
    if (path.isEmpty())
        return;
    const QString problem = window.Open(path);
    if (!problem.isEmpty())
        std::fprintf(errors, "%s\n", problem.toLocal8Bit().constData());
}

}  // namespace tarnwick
