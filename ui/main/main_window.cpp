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

Form1::Form1(Module1& module, Registry& registry)
    : module_(module), registry_(registry), display_(module, this)
{
    SetUpWindow(*this, "Form1", QStringLiteral("Tarnwick"), 7830, 5820);
    // The layout's size is the client area below the menu bar.
    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->setFixedSize(TwipsToPixels(QSize(7830, 5820), *client));

    auto* frame1 = MakeControl<QGroupBox>(client, "Frame1", 60, 0, 2115, 5655);
    frame1->setTitle(QStringLiteral("File Select"));
    File1_ = MakeControl<FileListBox>(frame1, "File1", 120, 240, 1875, 2430);
    Option1_ = MakeOption(frame1, "Option1", QStringLiteral("IFF"), 120, 2640, 615, 255);
    Option2_ = MakeOption(frame1, "Option2", QStringLiteral("Walls"), 120, 2880, 1695, 255);
    Option3_ = MakeOption(frame1, "Option3", QStringLiteral("Floors"), 120, 3120, 1095, 255);
    Dir1_ = MakeControl<DirListBox>(frame1, "Dir1", 120, 3420, 1815, 1440);
    Drive1_ = MakeControl<DriveListBox>(frame1, "Drive1", 120, 5100, 1815, 315);

    Frame2_ = MakeControl<QGroupBox>(client, "Frame2", 2220, 0, 5535, 5655);
    Frame2_->setTitle(QStringLiteral("File Details"));
    MakeCaption(Frame2_, "Label1", QStringLiteral("Header:"), 480, 300, 615, 195, Qt::AlignLeft);
    Label2_ = MakeControl<QLabel>(Frame2_, "Label2", 1200, 300, 2955, 195);
    Label3_ = MakeControl<QLabel>(Frame2_, "Label3", 1200, 540, 3495, 195);
    MakeCaption(Frame2_, "Label4", QStringLiteral("rsmp location:"), 180, 780, 975, 195, Qt::AlignLeft);
    Label5_ = MakeControl<QLabel>(Frame2_, "Label5", 1200, 780, 1815, 255);
    for (QLabel* value : {Label2_, Label3_, Label5_})
        value->setTextFormat(Qt::PlainText);
    List1_ = MakeControl<ListBox>(Frame2_, "List1", 120, 1020, 5295, 4350);

    SetTabOrder({Drive1_, Dir1_, File1_, List1_, Option1_, Option2_, Option3_});

    auto* exitCommand = menuBar()->addAction(QStringLiteral("E&xit"));
    exitCommand->setObjectName(QStringLiteral("menu_exit"));
    auto* aboutCommand = menuBar()->addAction(QStringLiteral("&About"));
    aboutCommand->setObjectName(QStringLiteral("Menu_About"));

    connect(Drive1_, &DriveListBox::Change, this, &Form1::Drive1_Change);
    connect(Dir1_, &DirListBox::Change, this, &Form1::Dir1_Change);
    connect(File1_, &ListBox::Click, this, &Form1::File1_Click);
    connect(List1_, &ListBox::Click, this, &Form1::List1_Click);
    connect(Option1_, &QRadioButton::toggled, this, &Form1::Option1_Click);
    connect(Option2_, &QRadioButton::toggled, this, &Form1::Option2_Click);
    connect(Option3_, &QRadioButton::toggled, this, &Form1::Option3_Click);
    connect(exitCommand, &QAction::triggered, this, &Form1::menu_exit_Click);
    connect(aboutCommand, &QAction::triggered, this, &Form1::Menu_About_Click);
    adjustSize();

    Form_Load();
}

void Form1::Form_Load()
{
    Option1_->setChecked(true);
    const std::string gamePath = GetGamePath(registry_);
    File1_->SetPattern(QStringLiteral("*.IFF"));
    const QString folder = StartFolder(gamePath);
    Drive1_->SetDrive(folder);
    Dir1_->SetPath(folder);
    Label2_->clear();
    Label3_->clear();
    Label5_->clear();
}

void Form1::Drive1_Change()
{
    Dir1_->SetPath(Drive1_->Drive());
}

void Form1::Dir1_Change()
{
    File1_->SetPath(Dir1_->Path());
}

void Form1::File1_Click()
{
    const QString name = File1_->FileName();
    if (name.isEmpty())
        return;
    const QString path = QDir::toNativeSeparators(Dir1_->Path()) + QDir::separator() + name;
    nextLoad_ = PendingLoad{QFile::encodeName(path).toStdString(), QFile::encodeName(name).toStdString()};
    // A click during a walk ends that walk; the load below then takes the newest
    // file, so loads never nest and only one file is held at a time.
    if (loading_)
        return;
    loading_ = true;
    while (nextLoad_ && !closing_) {
        const PendingLoad load = *std::exchange(nextLoad_, std::nullopt);
        module_.FilePath = load.path;
        LoadChunkFile(module_, load.name, *this);
    }
    loading_ = false;
}

void Form1::Option1_Click(bool on)
{
    if (on)
        File1_->SetPattern(QStringLiteral("*.IFF"));
}

void Form1::Option2_Click(bool on)
{
    if (on)
        File1_->SetPattern(QStringLiteral("*.WLL"));
}

void Form1::Option3_Click(bool on)
{
    if (on)
        File1_->SetPattern(QStringLiteral("*.FLR"));
}

void Form1::List1_Click()
{
    const int row = List1_->currentRow();
    if (row >= 0 && List1_->item(row)->isSelected())
        display_.ShowChunk(row + 1);
}

void Form1::Menu_About_Click()
{
    QMessageBox::information(this, QStringLiteral("Credits"),
                             QStringLiteral("Tarnwick\nA viewer for the data files of The Sims."));
}

void Form1::menu_exit_Click()
{
    close();
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Ends a walk under way, and the program with all of its windows.
    closing_ = true;
    display_.CloseWindow();
    event->accept();
}

void Form1::ClearChunkList()
{
    List1_->clear();
    sinceEventsRan_.invalidate();
}

void Form1::SetDetailsCaption(std::string_view caption)
{
    Frame2_->setTitle(QFile::decodeName(QByteArray(caption.data(), static_cast<qsizetype>(caption.size()))));
}

void Form1::SetHeaderTexts(const FileHeaderTexts& texts)
{
    Label2_->setText(FileText(texts.Line1));
    Label3_->setText(FileText(texts.Line2));
    Label5_->setText(FileText(texts.RsmpLocation));
}

void Form1::AddChunkLine(std::string_view line)
{
    List1_->addItem(FileText(line));
}

bool Form1::LetPendingEventsRun()
{
    if (!sinceEventsRan_.isValid() || sinceEventsRan_.elapsed() >= kFrameMilliseconds) {
        QCoreApplication::processEvents();
        sinceEventsRan_.start();
    }
    return !closing_ && !nextLoad_;
}

}  // namespace tarnwick
