#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "model/archive/far_archive.h"

class QAction;
class QMenuBar;
class QWidget;

namespace tarnwick {

// The member the main window shows, and its archive.
struct ShownMember {
    std::string ArchivePath;  // the system's bytes
    FarMember Member;
    QString ShownName;  // as the file list shows it, offered as the file's name
};

// The "A&rchive" menu, after the menu bar's others: "&Save member as…" for
// the member shown, and "E&xtract all…" for the archive the lists are in, each
// enabled only when there is one.
class ArchiveMenu : public QObject {
public:
    ArchiveMenu(QMenuBar& menuBar, QWidget& window);

    void SetMember(std::optional<ShownMember> member);
    // The archive the folder list is in (PathFromBytes form); empty for none.
    void SetArchive(const QString& archivePath);
    [[nodiscard]] const QString& Archive() const { return archive_; }

    // What the commands do once their dialogs are answered: each returns an
    // empty text when done, else why not. Tests call them directly.
    [[nodiscard]] QString SaveMemberTo(const QString& path) const;
    // Extracts every member of the archive the lists are in under `folder`;
    // `replace` answers, once, whether files already there are replaced.
    // Returns the report shown at the end.
    [[nodiscard]] QString ExtractAllTo(
        const QString& folder, const std::function<bool(int existing, const QString& example)>& replace);

private:
    void SaveMember();
    void AskAndExtractAll();

    QWidget& window_;
    QAction* saveMember_;
    QAction* extractAll_;
    std::optional<ShownMember> member_;
    QString archive_;
};

}  // namespace tarnwick
