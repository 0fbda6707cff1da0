#include "ui/inspector/save_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include "ui/inspector/inspector_settings.h"
#include "ui/inspector/save_files.h"

namespace tarnwick {

namespace {

const QString kFolderKey = QStringLiteral("Inspector/saveFolder");

// The folder saved into last, kept between runs, or the pictures folder.
QString LastFolder()
{
    QString folder = InspectorSettings().value(kFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

void Remember(const QString& folder) { InspectorSettings().setValue(kFolderKey, folder); }

}  // namespace

QString AskFramesFolder(QWidget* parent, const QString& stem, const std::vector<QImage>& frames)
{
    QString path =
        QFileDialog::getExistingDirectory(parent, QStringLiteral("Save all frames into"), LastFolder());
    if (path.isEmpty())
        return {};
    Remember(path);
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
    QFileDialog dialog(parent, QStringLiteral("Save as"), QDir(LastFolder()).filePath(suggested), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the one offered, which decides
    // the format written.
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString path = dialog.selectedFiles().first();
    Remember(QFileInfo(path).absolutePath());
    return path;
}

void ReportSaveFailure(QWidget* parent, const QString& path, const QString& why)
{
    QMessageBox::warning(parent, QStringLiteral("Save as"),
                         QStringLiteral("Could not save %1:\n%2").arg(QDir::toNativeSeparators(path), why));
}

}  // namespace tarnwick
