#include "ui/main/archive_menu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <atomic>
#include <chrono>
#include <future>

#include "system/extraction_report.h"
#include "system/member_extraction.h"
#include "widgets/folder_watch.h"
#include "widgets/path_text.h"

namespace tarnwick {

ArchiveMenu::ArchiveMenu(QMenuBar& menuBar, QWidget& window) : QObject(&window), window_(window)
{
    QMenu* menu = menuBar.addMenu(QStringLiteral("A&rchive"));
    menu->setObjectName(QStringLiteral("archiveMenu"));
    saveMember_ = menu->addAction(QStringLiteral("&Save member as…"), this, &ArchiveMenu::SaveMember);
    saveMember_->setObjectName(QStringLiteral("saveMember"));
    extractAll_ = menu->addAction(QStringLiteral("E&xtract all…"), this, &ArchiveMenu::AskAndExtractAll);
    extractAll_->setObjectName(QStringLiteral("extractAll"));
    SetMember(std::nullopt);
    SetArchive({});
}

void ArchiveMenu::SetMember(std::optional<ShownMember> member)
{
    member_ = std::move(member);
    saveMember_->setEnabled(member_.has_value());
}

void ArchiveMenu::SetArchive(const QString& archivePath)
{
    archive_ = archivePath;
    extractAll_->setEnabled(!archive_.isEmpty());
}

QString ArchiveMenu::SaveMemberTo(const QString& path) const
{
    if (!member_)
        return QStringLiteral("no member is shown");
    // The dialog asked before it let a file be chosen that is already there.
    const ExtractedMember saved = SaveMemberAs(member_->ArchivePath, member_->Member, PathBytes(path), true);
    return saved.outcome == ExtractionOutcome::Refused ? QString::fromStdString(saved.reason) : QString();
}

void ArchiveMenu::SaveMember()
{
    if (!member_)
        return;
    const QString path =
        QFileDialog::getSaveFileName(&window_, QStringLiteral("Save member as"), member_->ShownName);
    if (path.isEmpty())
        return;
    if (const QString problem = SaveMemberTo(path); !problem.isEmpty())
        QMessageBox::warning(
            &window_, QStringLiteral("Save member as"),
            QStringLiteral("Could not save %1:\n%2").arg(QDir::toNativeSeparators(path), problem));
}

QString ArchiveMenu::ExtractAllTo(const QString& folder,
                                  const std::function<bool(int existing, const QString& example)>& replace)
{
    if (archive_.isEmpty())
        return {};
    const auto contents = FolderWatch::Instance().Archive(archive_);
    const FarManifest& manifest = contents->Manifest;
    if (!manifest.ok())
        return QStringLiteral("Nothing was extracted: ") + QString::fromStdString(manifest.error);
    const std::string target = PathBytes(folder);

    // One question for all the files already there, before anything is written.
    int existing = 0;
    QString example;
    for (const ExtractionTarget& planned : PlanExtraction(manifest, target))
        if (planned.exists && existing++ == 0)
            example = PathFromBytes(planned.path.path);
    const bool replaceExisting = existing > 0 && replace(existing, QDir::toNativeSeparators(example));

    // The members are read and written off the window thread; the window shows
    // how far it is, and Cancel stops after the member being written.
    QProgressDialog progress(
        QStringLiteral("Extracting %1…")
            .arg(ShownName(PathBytes(archive_).substr(PathBytes(archive_).rfind('/') + 1))),
        QStringLiteral("Cancel"), 0, static_cast<int>(manifest.members.size()), &window_);
    progress.setWindowTitle(QStringLiteral("Extract all"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    std::atomic<std::size_t> done = 0;
    std::atomic<bool> stop = false;
    ExtractionOptions options;
    options.replaceExisting = [replaceExisting](const std::string&) { return replaceExisting; };
    options.progress = [&](std::size_t count) {
        done = count;
        return !stop;
    };
    const std::string archive = PathBytes(archive_);
    auto run = std::async(std::launch::async, [&] { return ExtractAll(archive, manifest, target, options); });
    while (run.wait_for(std::chrono::milliseconds(15)) != std::future_status::ready) {
        progress.setValue(static_cast<int>(done.load()));
        QCoreApplication::processEvents();
        if (progress.wasCanceled())
            stop = true;
    }
    progress.reset();
    const std::vector<ExtractedMember> results = run.get();
    return QString::fromStdString(DescribeExtraction(results, manifest.members.size(), target));
}

void ArchiveMenu::AskAndExtractAll()
{
    if (archive_.isEmpty())
        return;
    const QString folder = QFileDialog::getExistingDirectory(&window_, QStringLiteral("Extract all into"));
    if (folder.isEmpty())
        return;
    const QString report = ExtractAllTo(folder, [this](int existing, const QString& example) {
        return QMessageBox::question(
                   &window_, QStringLiteral("Extract all"),
                   QStringLiteral("%1 of these files are already in the folder, such as %2. "
                                  "Replace them?")
                       .arg(existing)
                       .arg(example)) == QMessageBox::Yes;
    });
    QMessageBox box(QMessageBox::Information, QStringLiteral("Extract all"), report.section(u'\n', 0, 0),
                    QMessageBox::Ok, &window_);
    box.setDetailedText(report.section(u'\n', 1));
    box.exec();
}

}  // namespace tarnwick
