#include "ui/chunk/chunk_window.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "ui/chunk/chunk_lines_model.h"
#include "ui/common/controls.h"
#include "widgets/fonts.h"
#include "widgets/picture_box.h"

namespace tarnwick {

namespace {

// A list of lines whose cost does not grow with their number: every row has the
// same fixed height, so the view never measures rows it does not show.
QTableView* MakeLineList(QWidget* parent, ChunkLinesModel* model)
{
    auto* list = MakeControl<QTableView>(parent, "List1", 120, 2100, 9675, 2535);
    list->setModel(model);
    list->setFont(FixedPitchFont());
    list->setShowGrid(false);
    list->setWordWrap(false);
    list->setTextElideMode(Qt::ElideNone);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->horizontalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    QHeaderView* rows = list->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(QFontMetrics(list->font()).height());
    return list;
}

}  // namespace

Form2::Form2(QWidget* owner) : QWidget(owner, Qt::Window)
{
    SetUpWindow(*this, "Form2", QStringLiteral("Chunk Display"), 10050, 5355);
    setAttribute(Qt::WA_DeleteOnClose);
    // Refilled while the user steps through the main window's list: showing it
    // must not take the keyboard from there.
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* frame = MakeControl<QGroupBox>(this, "Frame1", 60, 60, 9915, 4755);
    frame->setTitle(QStringLiteral("Chunk data"));
    MakeCaption(frame, "Label7", QStringLiteral("Type:"), 180, 300, 675, 255);
    Label8_ = MakeValueLabel(frame, "Label8", 900, 300, 3015, 255);
    MakeCaption(frame, "Label1", QStringLiteral("Name:"), 240, 600, 615, 195);
    Label2_ = MakeValueLabel(frame, "Label2", 900, 600, 3015, 255);
    MakeCaption(frame, "Label3", QStringLiteral("Size:"), 300, 900, 555, 195);
    Label4_ = MakeValueLabel(frame, "Label4", 900, 900, 3015, 255);
    MakeCaption(frame, "Label5", QStringLiteral("ID:"), 360, 1200, 495, 195);
    Label6_ = MakeValueLabel(frame, "Label6", 900, 1200, 3015, 255);
    MakeCaption(frame, "Label9", QStringLiteral("Address:"), 180, 1500, 675, 195);
    Label10_ = MakeValueLabel(frame, "Label10", 900, 1500, 3015, 255);

    Picture1_ = MakeControl<PictureBox>(frame, "Picture1", 4140, 300, 1755, 1575);
    Picture1_->hide();

    lines_ = new ChunkLinesModel(this);
    List1_ = MakeLineList(frame, lines_);

    auto* close = MakeControl<QPushButton>(this, "Command1", 60, 4920, 9855, 315);
    close->setText(QStringLiteral("&Close"));
    connect(close, &QPushButton::clicked, this, &Form2::Command1_Click);

    SetTabOrder({List1_, close});
}

void Form2::SetHeader(const ChunkHeaderTexts& texts)
{
    Label8_->setText(FileText(texts.Type));
    Label2_->setText(FileText(texts.Name));
    Label4_->setText(FileText(texts.Size));
    Label6_->setText(FileText(texts.Id));
    Label10_->setText(FileText(texts.Address));
}

void Form2::ShowList(bool keepPicture)
{
    List1_->show();
    if (!keepPicture)
        Picture1_->hide();
}

void Form2::ShowPicture(bool keepList)
{
    if (!keepList)
        List1_->hide();
    Picture1_->show();
}

void Form2::Command1_Click()
{
    ShowList();
    close();
}

}  // namespace tarnwick
