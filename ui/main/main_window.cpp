#include "ui/main/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <utility>

#include "library/index_cache.h"
#include "model/archive/member_loader.h"
#include "model/text/windows1252.h"
#include "system/archive_folders.h"
#include "system/game_path.h"
#include "ui/common/control_names.h"
#include "ui/common/controls.h"
#include "ui/inspector/inspector_link.h"
#include "ui/library/library_window.h"
#include "ui/main/archive_menu.h"
#include "ui/main/library_menu.h"
#include "ui/main/main_window_growth.h"
#include "ui/main/places_menu.h"
#include "ui/main/start_folder.h"
#include "widgets/cut_line_tool_tips.h"
#include "widgets/dir_list_box.h"
#include "widgets/drive_list_box.h"
#include "widgets/file_list_box.h"
#include "widgets/folder_watch.h"
#include "widgets/list_box.h"
#include "widgets/path_text.h"

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

MainWindow::MainWindow(OpenFile& openFile, Registry& registry, std::vector<GameInstall> installs)
    : openFile_(openFile), registry_(registry), installs_(std::move(installs)), display_(openFile, this)
{
    SetUpWindow(*this, names::kMainWindow, QStringLiteral("Tarnwick"), 7830, 5820);
    // The layout's size is the client area below the menu bar.
    auto* client = new QWidget(this);
    setCentralWidget(client);
    // Never smaller than the layout, which holds at that size; larger, the
    // lists take the room.
    client->setMinimumSize(TwipsToPixels(QSize(7830, 5820), *client));
    client->resize(client->minimumSize());

    auto* fileSelectFrame = MakeControl<QGroupBox>(client, names::kFileSelectFrame, 60, 0, 2115, 5655);
    fileSelectFrame->setTitle(QStringLiteral("File Select"));
    fileList_ = MakeControl<FileListBox>(fileSelectFrame, names::kFileList, 120, 240, 1875, 2430);
    iffOption_ = MakeOption(fileSelectFrame, names::kIffOption, QStringLiteral("IFF"), 120, 2640, 615, 255);
    wallsOption_ =
        MakeOption(fileSelectFrame, names::kWallsOption, QStringLiteral("Walls"), 120, 2880, 1695, 255);
    floorsOption_ =
        MakeOption(fileSelectFrame, names::kFloorsOption, QStringLiteral("Floors"), 120, 3120, 1095, 255);
    folderList_ = MakeControl<DirListBox>(fileSelectFrame, names::kFolderList, 120, 3420, 1815, 1440);
    driveList_ = MakeControl<DriveListBox>(fileSelectFrame, names::kDriveList, 120, 5100, 1815, 315);

    detailsFrame_ = MakeControl<QGroupBox>(client, names::kDetailsFrame, 2220, 0, 5535, 5655);
    detailsFrame_->setTitle(QStringLiteral("File Details"));
    MakeCaption(detailsFrame_, names::kHeaderCaption, QStringLiteral("Header:"), 480, 300, 615, 195,
                Qt::AlignLeft);
    headerLine1_ = MakeControl<QLabel>(detailsFrame_, names::kHeaderLine1, 1200, 300, 2955, 195);
    headerLine2_ = MakeControl<QLabel>(detailsFrame_, names::kHeaderLine2, 1200, 540, 3495, 195);
    MakeCaption(detailsFrame_, names::kRsmpLocationCaption, QStringLiteral("rsmp location:"), 180, 780, 975,
                195, Qt::AlignLeft);
    rsmpLocation_ = MakeControl<QLabel>(detailsFrame_, names::kRsmpLocation, 1200, 780, 1815, 255);
    for (QLabel* value : {headerLine1_, headerLine2_, rsmpLocation_}) {
        value->setTextFormat(Qt::PlainText);
        // Text from the top, as the captions beside them, so both share a baseline.
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    chunkList_ = MakeControl<ListBox>(detailsFrame_, names::kChunkList, 120, 1020, 5295, 4350);
    ShowCutLinesInToolTips(*chunkList_);
    LetMainWindowGrow(*client);

    SetTabOrder({driveList_, folderList_, fileList_, chunkList_, iffOption_, wallsOption_, floorsOption_});

    auto* exitCommand = menuBar()->addAction(QStringLiteral("E&xit"));
    exitCommand->setObjectName(QString::fromLatin1(names::kExitCommand));
    auto* aboutCommand = menuBar()->addAction(QStringLiteral("&About"));
    aboutCommand->setObjectName(QString::fromLatin1(names::kAboutCommand));
    AddPlacesMenu(*menuBar(), installs_, [this](const Place& place) { GoToPlace(place); });
    archiveMenu_ = new ArchiveMenu(*menuBar(), *this);
    AddLibraryMenu(*menuBar(), [this] { ShowLibrary(); });

    connect(driveList_, &DriveListBox::changed, this, &MainWindow::DriveChanged);
    connect(folderList_, &DirListBox::changed, this, &MainWindow::FolderChanged);
    connect(fileList_, &FileListBox::clicked, this, &MainWindow::FileClicked);
    connect(chunkList_, &ListBox::clicked, this, &MainWindow::ChunkClicked);
    connect(iffOption_, &QRadioButton::toggled, this, &MainWindow::IffChosen);
    connect(wallsOption_, &QRadioButton::toggled, this, &MainWindow::WallsChosen);
    connect(floorsOption_, &QRadioButton::toggled, this, &MainWindow::FloorsChosen);
    connect(exitCommand, &QAction::triggered, this, &MainWindow::Exit);
    connect(aboutCommand, &QAction::triggered, this, &MainWindow::ShowCredits);
    inspection_ = new InspectorLink(*chunkList_, openFile_, this);
    // Calls to the game's behaviours, and downloads to the objects they
    // replace, lead into the game's files, loaded here as a click on them would.
    inspection_->SetLinkSources({installs_.empty() ? std::filesystem::path() : installs_.front().GameFolder,
                                 library::DefaultCacheFile()});
    inspection_->SetOpenElsewhere([this](const std::string& path, const std::string& member) {
        return Open(PathFromBytes(path), member.empty() ? QString() : PathFromBytes(member)).isEmpty();
    });
    adjustSize();
    setAcceptDrops(true);

    OpenStartFolder();
    // The keyboard starts where its order starts.
    driveList_->setFocus();
}

QString MainWindow::Open(const QString& path, const QString& member)
{
    const auto target = FindOpenTarget(path, member);
    if (const auto* problem = std::get_if<QString>(&target))
        return *problem;
    return Show(std::get<OpenTarget>(target));
}

QString MainWindow::OpenAtChunk(const QString& path, const QString& member, ChunkNumber chunk)
{
    QString problem = Open(path, member);
    if (!problem.isEmpty() || chunk == 0)
        return problem;
    if (chunk <= kMaxChunks) {
        chunkList_->setCurrentRow(static_cast<int>(chunk - 1));
        ChunkClicked();
    } else {
        display_.ShowChunk(chunk);
    }
    return {};
}

LibraryWindow& MainWindow::ShowLibrary(const std::vector<std::string>& roots)
{
    if (library_ == nullptr) {
        library_ = new LibraryWindow(library::DefaultCacheFile(), this);
        // The object opens in the main window and the inspector.
        library_->OpenChunk = [this](const QString& path, const QString& member, quint32 chunk) {
            const bool opened = OpenAtChunk(path, member, chunk).isEmpty();
            activateWindow();
            if (opened)
                inspection_->InspectChunk(chunk);
        };
    }
    const std::vector<std::string> folders = roots.empty() ? LibraryWindow::InstallFolders(installs_) : roots;
    library_->show();
    library_->raise();
    if (!folders.empty() && !library_->Scanning())
        library_->Scan(folders);
    return *library_;
}

QString MainWindow::Show(const OpenTarget& target)
{
    driveList_->SetDrive(target.Folder);
    // Also the root of the drive shown, which the drive list's change keeps out.
    folderList_->GoTo(target.Folder);
    if (target.FileName.isEmpty())
        return {};
    // The option of the file's kind lists it, its pattern set afresh so that a
    // new file shows too; a file of no kind is listed with all others, under "IFF".
    const FileKind kind = KindOfFile(target.FileName);
    QRadioButton* option = kind == FileKind::Walls    ? wallsOption_
                           : kind == FileKind::Floors ? floorsOption_
                                                      : iffOption_;
    if (option->isChecked())
        emit option->toggled(true);
    else
        option->setChecked(true);
    if (kind == FileKind::Other)
        fileList_->SetPattern(QStringLiteral("*"));
    // Choosing the file raises the click that loads it.
    if (!fileList_->ChooseFile(target.FileName))
        return QStringLiteral("tarnwick: cannot open \"%1\": the file list does not show it")
            .arg(QDir::toNativeSeparators(target.Folder + u'/' + target.FileName));
    return {};
}

void MainWindow::OpenStartFolder()
{
    iffOption_->setChecked(true);
    const std::string gamePath = GetGamePath(registry_);
    fileList_->SetPattern(QStringLiteral("*.IFF"));
    const QString folder = StartFolder(gamePath, installs_);
    driveList_->SetDrive(folder);
    folderList_->SetPath(folder);
    headerLine1_->clear();
    headerLine2_->clear();
    rsmpLocation_->clear();
}

void MainWindow::GoToPlace(const Place& place)
{
    // Walls and floors are listed by their option, as a click on it does.
    if (place.Holds == Place::Kind::Walls)
        wallsOption_->setChecked(true);
    else if (place.Holds == Place::Kind::Floors)
        floorsOption_->setChecked(true);
    Show(OpenTarget{place.Folder, {}});
}

void MainWindow::DriveChanged() { folderList_->SetPath(driveList_->Drive()); }

void MainWindow::FolderChanged()
{
    fileList_->SetPath(folderList_->Path());
    const auto place = FindArchivePlace(PathBytes(folderList_->Path()));
    archiveMenu_->SetArchive(place ? PathFromBytes(place->Archive) : QString());
}

void MainWindow::FileClicked()
{
    // The exact bytes: a name that is not UTF-8 loads as any other.
    std::string path = fileList_->FilePathBytes();
    if (path.empty())
        return;
    if (!loading_ && ShowsUnchanged(path))
        return;
    nextLoad_ = PendingLoad{std::move(path), fileList_->FileNameBytes()};
    // A click during a walk ends that walk; the load below then takes the newest
    // file, so loads never nest and only one file is held at a time.
    if (loading_)
        return;
    loading_ = true;
    while (nextLoad_ && !closing_) {
        const PendingLoad load = *std::exchange(nextLoad_, std::nullopt);
        display_.LetGoOfTheFile();
        if (const auto place = FindArchivePlace(load.path)) {
            loadedStamp_.reset();
            LoadMember(*place, load.name);
        } else {
            archiveMenu_->SetMember(std::nullopt);
            // Taken before reading: a file changed meanwhile is read again next time.
            std::optional<FileStamp> stamp = FileStamp::Of(load.path);
            LoadChunkFile(openFile_, load.path, load.name, *this);
            // A load cut short by another click or by closing shows the file in
            // part, and one that could not be read shows nothing: both are read again.
            if (!nextLoad_ && !closing_ && !openFile_.FileData.empty())
                loadedStamp_ = std::move(stamp);
        }
    }
    loading_ = false;
}

bool MainWindow::ShowsUnchanged(const std::string& path) const
{
    return loadedStamp_ && loadedStamp_->path == path && FileStamp::Of(path) == loadedStamp_;
}

void MainWindow::LoadMember(const ArchivePlace& place, const std::string& shownName)
{
    // The manifest the file list was filled from, unless the archive changed since.
    const auto contents = FolderWatch::Instance().Archive(PathFromBytes(place.Archive));
    const auto index = contents->Tree.MemberAt(place.Inner);
    FarMember member;
    if (index)
        member = contents->Manifest.members[*index];
    else
        member.damage = "the archive no longer holds this member";
    const std::string_view archiveName = std::string_view(place.Archive).substr(place.Archive.rfind('/') + 1);
    archiveMenu_->SetMember(index ? std::optional<ShownMember>({place.Archive, member, ShownName(shownName)})
                                  : std::nullopt);
    LoadArchiveMember(openFile_, place.Archive, archiveName, member, *this);
}

void MainWindow::IffChosen(bool on)
{
    if (on)
        fileList_->SetPattern(QStringLiteral("*.IFF"));
}

void MainWindow::WallsChosen(bool on)
{
    if (on)
        fileList_->SetPattern(QStringLiteral("*.WLL"));
}

void MainWindow::FloorsChosen(bool on)
{
    if (on)
        fileList_->SetPattern(QStringLiteral("*.FLR"));
}

void MainWindow::ChunkClicked()
{
    // The list's error line names no chunk, though the table holds those past it.
    const int row = chunkList_->currentRow();
    if (row >= 0 && chunkList_->item(row)->isSelected())
        display_.ShowChunk(ListedChunk(row));
}

void MainWindow::ShowCredits()
{
    QMessageBox::information(
        this, QStringLiteral("Credits"),
        QStringLiteral("Tarnwick\nA viewer for the data files of The Sims, version " TARNWICK_VERSION "."));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (std::holds_alternative<OpenTarget>(FindOpenTarget(DroppedPath(*event->mimeData()))))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    if (Open(DroppedPath(*event->mimeData())).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::Exit() { close(); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Ends a walk under way, and the program with all of its windows.
    closing_ = true;
    display_.CloseWindow();
    inspection_->Close();
    event->accept();
}

void MainWindow::ClearChunkList()
{
    loadedStamp_.reset();
    inspection_->Clear();
    chunkList_->clear();
    sinceEventsRan_.invalidate();
}

void MainWindow::SetDetailsCaption(std::string_view caption) { detailsFrame_->setTitle(ShownName(caption)); }

void MainWindow::SetHeaderTexts(const FileHeaderTexts& texts)
{
    headerLine1_->setText(FileText(texts.Line1));
    headerLine2_->setText(FileText(texts.Line2));
    rsmpLocation_->setText(FileText(texts.RsmpLocation));
}

void MainWindow::AddChunkLine(std::string_view line) { chunkList_->addItem(FileText(line)); }

bool MainWindow::LetPendingEventsRun()
{
    if (!sinceEventsRan_.isValid() || sinceEventsRan_.elapsed() >= kFrameMilliseconds) {
        QCoreApplication::processEvents();
        sinceEventsRan_.start();
    }
    return !closing_ && !nextLoad_;
}

}  // namespace tarnwick
