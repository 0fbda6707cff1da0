#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>

#include "widgets/drives.h"

namespace tarnwick {

[[nodiscard]] QStringList DriveRoots();
// The longest of `roots` that contains `path`; empty when none does.
[[nodiscard]] QString RootHolding(const QStringList& roots, const QString& path);

// A drop-down list of the machine's drives, as Drives() lists them. A name cut
// by the list's width shows whole in a tooltip.
class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget* parent = nullptr);

    // The current drive's root folder, such as "/" or "C:/".
    [[nodiscard]] QString Drive() const;
    // Makes the drive holding `path` current (the longest root that contains
    // it); raises Change when the drive changes. A path on no listed drive
    // leaves the drive as it is.
    void SetDrive(const QString& path);

signals:
    void changed();  // also raised when the user picks another drive

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowCutNameInTip();  // a drive name cut by the list's width shows whole in its tooltip
};

}  // namespace tarnwick
