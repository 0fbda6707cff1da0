#include "ui/chunk/chunk_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "ui/chunk/chunk_lines_model.h"
#include "ui/common/control_names.h"
#include "ui/common/controls.h"
#include "ui/common/growth.h"
#include "widgets/fonts.h"
#include "widgets/line_list_view.h"
#include "widgets/picture_box.h"

namespace tarnwick {

namespace {

// The dump may hold a hundred million lines: the list shows only those in view.
LineListView* MakeLineList(QWidget* parent, ChunkLinesModel* model)
{
    auto* list = MakeControl<LineListView>(parent, names::kChunkLines, 120, 2100, 9675, 2535);
    list->setModel(model);
    list->setFont(FixedPitchFont());
    return list;
}

}  // namespace

ChunkWindow::ChunkWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    SetUpWindow(*this, names::kChunkWindow, QStringLiteral("Chunk Display"), 10050, 5355);
    setAttribute(Qt::WA_DeleteOnClose);
    // Refilled while the user steps through the main window's list: showing it
    // must not take the keyboard from there.
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* frame = MakeControl<QGroupBox>(this, names::kChunkFrame, 60, 60, 9915, 4755);
    frame->setTitle(QStringLiteral("Chunk data"));
    MakeCaption(frame, names::kChunkTypeCaption, QStringLiteral("Type:"), 180, 300, 675, 255);
    type_ = MakeValueLabel(frame, names::kChunkType, 900, 300, 3015, 255);
    MakeCaption(frame, names::kChunkNameCaption, QStringLiteral("Name:"), 240, 600, 615, 195);
    name_ = MakeValueLabel(frame, names::kChunkName, 900, 600, 3015, 255);
    MakeCaption(frame, names::kChunkSizeCaption, QStringLiteral("Size:"), 300, 900, 555, 195);
    size_ = MakeValueLabel(frame, names::kChunkSize, 900, 900, 3015, 255);
    MakeCaption(frame, names::kChunkIdCaption, QStringLiteral("ID:"), 360, 1200, 495, 195);
    id_ = MakeValueLabel(frame, names::kChunkId, 900, 1200, 3015, 255);
    MakeCaption(frame, names::kChunkAddressCaption, QStringLiteral("Address:"), 180, 1500, 675, 195);
    address_ = MakeValueLabel(frame, names::kChunkAddress, 900, 1500, 3015, 255);
    for (const auto& [caption, value] : {std::pair{names::kChunkTypeCaption, type_},
                                         {names::kChunkNameCaption, name_},
                                         {names::kChunkSizeCaption, size_},
                                         {names::kChunkIdCaption, id_},
                                         {names::kChunkAddressCaption, address_}})
        ShareBaseline(*frame->findChild<QLabel*>(QString::fromLatin1(caption)), *value);

    picture_ = MakeControl<PictureBox>(frame, names::kChunkPicture, 4140, 300, 1755, 1575);
    picture_->hide();

    lines_ = new ChunkLinesModel(this);
    lineList_ = MakeLineList(frame, lines_);

    auto* close = MakeControl<QPushButton>(this, names::kChunkClose, 60, 4920, 9855, 315);
    close->setText(QStringLiteral("&Close"));
    connect(close, &QPushButton::clicked, this, &ChunkWindow::CloseClicked);

    SetTabOrder({lineList_, close});

    // Never smaller than the layout; larger, the dump takes the room, the
    // labels and the picture keep their place, the Close button stays below.
    setMinimumSize(size());
    auto* inWindow = new Growth(*this);
    inWindow->Add(*frame, grow::kBoth);
    inWindow->Add(*close, grow::kBottomWide);
    (new Growth(*frame))->Add(*lineList_, grow::kBoth);
}

void ChunkWindow::SetHeader(const ChunkHeaderTexts& texts)
{
    type_->setText(FileText(texts.Type));
    name_->setText(FileText(texts.Name));
    size_->setText(FileText(texts.Size));
    id_->setText(FileText(texts.Id));
    address_->setText(FileText(texts.Address));
}

void ChunkWindow::ShowList(bool keepPicture)
{
    lineList_->show();
    if (!keepPicture)
        picture_->hide();
}

void ChunkWindow::ShowPicture(bool keepList)
{
    if (!keepList)
        lineList_->hide();
    picture_->show();
}

void ChunkWindow::CloseClicked()
{
    ShowList();
    close();
}

}  // namespace tarnwick
