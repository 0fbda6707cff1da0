#include "ui/inspector/save_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "ui/inspector/save_files.h"

namespace tarnwick {

QString AskFramesFolder(QWidget* parent, const QString& stem, const std::vector<QImage>& frames)
{
    QString path = QFileDialog::getExistingDirectory(parent, QStringLiteral("Save all frames into"));
    if (path.isEmpty())
        return {};
    QStringList existing;
    for (const QString& name : FrameFileNames(stem, frames))
        if (QFileInfo::exists(QDir(path).filePath(name)))
            existing << name;
    if (!existing.isEmpty() &&
        QMessageBox::question(parent, QStringLiteral("Save all frames"),
                              QStringLiteral("%1 of these files are already in the folder, such as %2. "
                                             "Replace them?")
                                  .arg(existing.size())
                                  .arg(existing.first())) != QMessageBox::Yes)
        return {};
    return path;
}

QString AskSaveFile(QWidget* parent, const QString& suggested, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save as"), suggested, filter);
}

void ReportSaveFailure(QWidget* parent, const QString& path, const QString& why)
{
    QMessageBox::warning(parent, QStringLiteral("Save as"),
                         QStringLiteral("Could not save %1:\n%2").arg(QDir::toNativeSeparators(path), why));
}

}  // namespace tarnwick
