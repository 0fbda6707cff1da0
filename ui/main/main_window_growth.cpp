#include "ui/main/main_window_growth.h"

#include <QWidget>

#include "ui/common/control_names.h"
#include "ui/common/growth.h"

namespace tarnwick {

namespace {

QWidget& Control(const QWidget& in, const char* name)
{
    auto* control = in.findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(control != nullptr);
    return *control;
}

}  // namespace

void LetMainWindowGrow(QWidget& client)
{
    constexpr double kSelectShare = 1.0 / 3;
    QWidget& select = Control(client, names::kFileSelectFrame);
    QWidget& details = Control(client, names::kDetailsFrame);
    auto* frames = new Growth(client);
    frames->Add(select, {0, 0, kSelectShare, 1});
    frames->Add(details, {kSelectShare, 0, 1, 1});

    // The file list takes the upper half of the extra height, the folder list
    // the lower; the options between them move down with the folder list.
    auto* inSelect = new Growth(select);
    inSelect->Add(Control(select, names::kFileList), {0, 0, 1, 0.5});
    for (const char* option : {names::kIffOption, names::kWallsOption, names::kFloorsOption})
        inSelect->Add(Control(select, option), {0, 0.5, 0, 0.5});
    inSelect->Add(Control(select, names::kFolderList), {0, 0.5, 1, 1});
    inSelect->Add(Control(select, names::kDriveList), grow::kBottomWide);

    auto* inDetails = new Growth(details);
    inDetails->Add(Control(details, names::kChunkList), grow::kBoth);
}

}  // namespace tarnwick
