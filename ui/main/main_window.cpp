#include "ui/main/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <utility>

#include "model/windows1252.h"
#include "ui/common/control_names.h"
#include "ui/common/controls.h"
#include "widgets/dir_list_box.h"
#include "widgets/drive_list_box.h"
#include "widgets/file_list_box.h"
#include "system/game_path.h"
#include "widgets/list_box.h"
#include "ui/main/start_folder.h"

namespace tarnwick {

namespace {

// Pending events run at most once a frame while a file loads: the list still
// grows visibly and the window answers, without a repaint per chunk.
constexpr qint64 kFrameMilliseconds = 16;

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption, int left, int top,
                         int width, int height)
{
    auto* option = MakeControl<QRadioButton>(parent, name, left, top, width, height);
    option->setText(caption);
    return option;
}

}  // namespace

MainWindow::MainWindow(OpenFile& openFile, Registry& registry)
    : openFile_(openFile), registry_(registry), display_(openFile, this)
{
    SetUpWindow(*this, names::kMainWindow, QStringLiteral("Tarnwick"), 7830, 5820);
    // The layout's size is the client area below the menu bar.
    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->setFixedSize(TwipsToPixels(QSize(7830, 5820), *client));

    auto* fileSelectFrame = MakeControl<QGroupBox>(client, names::kFileSelectFrame, 60, 0, 2115, 5655);
    fileSelectFrame->setTitle(QStringLiteral("File Select"));
    fileList_ = MakeControl<FileListBox>(fileSelectFrame, names::kFileList, 120, 240, 1875, 2430);
    iffOption_ = MakeOption(fileSelectFrame, names::kIffOption, QStringLiteral("IFF"), 120, 2640, 615, 255);
    wallsOption_ = MakeOption(fileSelectFrame, names::kWallsOption, QStringLiteral("Walls"), 120, 2880, 1695, 255);
    floorsOption_ = MakeOption(fileSelectFrame, names::kFloorsOption, QStringLiteral("Floors"), 120, 3120, 1095, 255);
    folderList_ = MakeControl<DirListBox>(fileSelectFrame, names::kFolderList, 120, 3420, 1815, 1440);
    driveList_ = MakeControl<DriveListBox>(fileSelectFrame, names::kDriveList, 120, 5100, 1815, 315);

    detailsFrame_ = MakeControl<QGroupBox>(client, names::kDetailsFrame, 2220, 0, 5535, 5655);
    detailsFrame_->setTitle(QStringLiteral("File Details"));
    MakeCaption(detailsFrame_, names::kHeaderCaption, QStringLiteral("Header:"), 480, 300, 615, 195, Qt::AlignLeft);
    headerLine1_ = MakeControl<QLabel>(detailsFrame_, names::kHeaderLine1, 1200, 300, 2955, 195);
    headerLine2_ = MakeControl<QLabel>(detailsFrame_, names::kHeaderLine2, 1200, 540, 3495, 195);
    MakeCaption(detailsFrame_, names::kRsmpLocationCaption, QStringLiteral("rsmp location:"), 180, 780, 975, 195, Qt::AlignLeft);
    rsmpLocation_ = MakeControl<QLabel>(detailsFrame_, names::kRsmpLocation, 1200, 780, 1815, 255);
    for (QLabel* value : {headerLine1_, headerLine2_, rsmpLocation_})
        value->setTextFormat(Qt::PlainText);
    chunkList_ = MakeControl<ListBox>(detailsFrame_, names::kChunkList, 120, 1020, 5295, 4350);

    SetTabOrder({driveList_, folderList_, fileList_, chunkList_, iffOption_, wallsOption_, floorsOption_});

    auto* exitCommand = menuBar()->addAction(QStringLiteral("E&xit"));
    exitCommand->setObjectName(QString::fromLatin1(names::kExitCommand));
    auto* aboutCommand = menuBar()->addAction(QStringLiteral("&About"));
    aboutCommand->setObjectName(QString::fromLatin1(names::kAboutCommand));

    connect(driveList_, &DriveListBox::Change, this, &MainWindow::Drive1_Change);
    connect(folderList_, &DirListBox::Change, this, &MainWindow::Dir1_Change);
    connect(fileList_, &ListBox::Click, this, &MainWindow::File1_Click);
    connect(chunkList_, &ListBox::Click, this, &MainWindow::List1_Click);
    connect(iffOption_, &QRadioButton::toggled, this, &MainWindow::Option1_Click);
    connect(wallsOption_, &QRadioButton::toggled, this, &MainWindow::Option2_Click);
    connect(floorsOption_, &QRadioButton::toggled, this, &MainWindow::Option3_Click);
    connect(exitCommand, &QAction::triggered, this, &MainWindow::menu_exit_Click);
    connect(aboutCommand, &QAction::triggered, this, &MainWindow::Menu_About_Click);
    adjustSize();

    Form_Load();
}

void MainWindow::Form_Load()
{
    iffOption_->setChecked(true);
    const std::string gamePath = GetGamePath(registry_);
    fileList_->SetPattern(QStringLiteral("*.IFF"));
    const QString folder = StartFolder(gamePath);
    driveList_->SetDrive(folder);
    folderList_->SetPath(folder);
    headerLine1_->clear();
    headerLine2_->clear();
    rsmpLocation_->clear();
}

void MainWindow::Drive1_Change()
{
    folderList_->SetPath(driveList_->Drive());
}

void MainWindow::Dir1_Change()
{
    fileList_->SetPath(folderList_->Path());
}

void MainWindow::File1_Click()
{
    const QString name = fileList_->FileName();
    if (name.isEmpty())
        return;
    const QString path = QDir::toNativeSeparators(folderList_->Path()) + QDir::separator() + name;
    nextLoad_ = PendingLoad{QFile::encodeName(path).toStdString(), QFile::encodeName(name).toStdString()};
    // A click during a walk ends that walk; the load below then takes the newest
    // file, so loads never nest and only one file is held at a time.
    if (loading_)
        return;
    loading_ = true;
    while (nextLoad_ && !closing_) {
        const PendingLoad load = *std::exchange(nextLoad_, std::nullopt);
        display_.LetGoOfTheFile();
        LoadChunkFile(openFile_, load.path, load.name, *this);
    }
    loading_ = false;
}

void MainWindow::Option1_Click(bool on)
{
    if (on)
        fileList_->SetPattern(QStringLiteral("*.IFF"));
}

void MainWindow::Option2_Click(bool on)
{
    if (on)
        fileList_->SetPattern(QStringLiteral("*.WLL"));
}

void MainWindow::Option3_Click(bool on)
{
    if (on)
        fileList_->SetPattern(QStringLiteral("*.FLR"));
}

void MainWindow::List1_Click()
{
    const int row = chunkList_->currentRow();
    if (row >= 0 && chunkList_->item(row)->isSelected())
        display_.ShowChunk(row + 1);
}

void MainWindow::Menu_About_Click()
{
    QMessageBox::information(this, QStringLiteral("Credits"),
                             QStringLiteral("Tarnwick\nA viewer for the data files of The Sims."));
}

void MainWindow::menu_exit_Click()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Ends a walk under way, and the program with all of its windows.
    closing_ = true;
    display_.CloseWindow();
    event->accept();
}

void MainWindow::ClearChunkList()
{
    chunkList_->clear();
    sinceEventsRan_.invalidate();
}

void MainWindow::SetDetailsCaption(std::string_view caption)
{
    detailsFrame_->setTitle(QString::fromStdString(FileNameToUtf8(caption)));
}

void MainWindow::SetHeaderTexts(const FileHeaderTexts& texts)
{
    headerLine1_->setText(FileText(texts.Line1));
    headerLine2_->setText(FileText(texts.Line2));
    rsmpLocation_->setText(FileText(texts.RsmpLocation));
}

void MainWindow::AddChunkLine(std::string_view line)
{
    chunkList_->addItem(FileText(line));
}

bool MainWindow::LetPendingEventsRun()
{
    if (!sinceEventsRan_.isValid() || sinceEventsRan_.elapsed() >= kFrameMilliseconds) {
        QCoreApplication::processEvents();
        sinceEventsRan_.start();
    }
    return !closing_ && !nextLoad_;
}

}  // namespace tarnwick
