#include "ui/inspector/inspector_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/container/chunk_lookup.h"
#include "model/container/chunk_summary.h"
#include "model/container/chunk_types.h"
#include "ui/inspector/inspector_settings.h"
#include "ui/inspector/inspector_view.h"
#include "ui/inspector/save_dialogs.h"
#include "ui/inspector/save_files.h"
#include "ui/inspector/view_for_chunk.h"
#include "ui/inspector/views/object_definition_view.h"
#include "widgets/code_page_text.h"

namespace tarnwick {

namespace {

const QString kGeometryKey = QStringLiteral("Inspector/geometry");

QString Hex(std::uint64_t value, int digits)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

QString Text(const std::string& bytes) { return CodePageText(bytes, CodePage::Windows1252); }

// "STR# 128 (0x0080) Names", as the caption says it.
QString ChunkTitle(const ChunkSummary& summary)
{
    return Text(ChunkName(summary.type, summary.id)) + u' ' + Text(summary.label);
}

// A file name of the chunk's type, ID and label, "STR# 128 Names", without
// characters file systems refuse.
QString FileStem(const ChunkSummary& summary)
{
    QString stem =
        (Text(summary.type) + u' ' + QString::number(summary.id) + u' ' + Text(summary.label)).trimmed();
    for (QChar& c : stem)
        if (QStringLiteral("\\/:*?\"<>|#").contains(c) || c.unicode() < 32)
            c = u'_';
    return stem;
}

}  // namespace

InspectorWindow::InspectorWindow(const OpenFile& openFile, QWidget* owner)
    : QWidget(owner, Qt::Window),
      openFile_(openFile),
      header_(new QLabel),
      warning_(new QLabel),
      note_(new QLabel),
      layout_(new QVBoxLayout(this)),
      save_(new QToolButton),
      saveMenu_(new QMenu(this)),
      called_(openFile),
      replaced_(openFile, *this, [this] { ShowReplacedObjects(); }),
      context_{openFile, 1, [this](ChunkNumber number) { FollowLink(number); }},
      copy_(new QAction(QStringLiteral("&Copy"), this)),
      back_(new QAction(QStringLiteral("Back"), this)),
      forward_(new QAction(QStringLiteral("Forward"), this))
{
    setObjectName(QStringLiteral("Inspector"));
    context_.findCalled = [this](OpcodeKind kind, std::uint16_t id) { return called_.Find(kind, id); };
    context_.followElsewhere = [this](const library::ChunkPlace& place) { FollowElsewhere(place); };
    context_.findReplaced = [this](std::uint32_t guid) { return replaced_.Find(guid); };
    setAttribute(Qt::WA_DeleteOnClose);
    header_->setObjectName(QStringLiteral("Header"));
    warning_->setObjectName(QStringLiteral("Warning"));
    note_->setObjectName(QStringLiteral("Note"));
    for (QLabel* label : {header_, warning_, note_}) {
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setWordWrap(true);
    }
    warning_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));

    save_->setObjectName(QStringLiteral("SaveAs"));
    save_->setText(QStringLiteral("Save as..."));
    save_->setPopupMode(QToolButton::InstantPopup);
    save_->setMenu(saveMenu_);
    copy_->setShortcut(QKeySequence::Copy);
    back_->setShortcut(QKeySequence::Back);
    back_->setToolTip(QStringLiteral("Back (Alt+Left)"));
    forward_->setShortcut(QKeySequence::Forward);
    forward_->setToolTip(QStringLiteral("Forward (Alt+Right)"));
    addActions({copy_, back_, forward_});
    auto* copy = new QPushButton(QStringLiteral("&Copy"));
    copy->setObjectName(QStringLiteral("Copy"));
    auto* backButton = new QToolButton;
    backButton->setObjectName(QStringLiteral("Back"));
    backButton->setDefaultAction(back_);
    backButton->setArrowType(Qt::LeftArrow);
    auto* forwardButton = new QToolButton;
    forwardButton->setObjectName(QStringLiteral("Forward"));
    forwardButton->setDefaultAction(forward_);
    forwardButton->setArrowType(Qt::RightArrow);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(backButton);
    buttons->addWidget(forwardButton);
    buttons->addWidget(copy);
    buttons->addWidget(save_);
    buttons->addStretch();

    layout_->addWidget(header_);
    layout_->addWidget(warning_);
    layout_->addLayout(buttons);
    layout_->addWidget(note_);
    layout_->addStretch(1);

    connect(copy, &QPushButton::clicked, copy_, &QAction::trigger);
    connect(copy_, &QAction::triggered, this, [this] {
        if (view_)
            view_->Copy();
    });
    connect(saveMenu_, &QMenu::aboutToShow, this, &InspectorWindow::FillSaveMenu);
    connect(back_, &QAction::triggered, this, &InspectorWindow::GoBack);
    connect(forward_, &QAction::triggered, this, &InspectorWindow::GoForward);

    if (!restoreGeometry(InspectorSettings().value(kGeometryKey).toByteArray()))
        resize(780, 600);
    Clear();
}

void InspectorWindow::Clear()
{
    ClearView();
    // A file opened for a link keeps the way back.
    if (!openingElsewhere_)
        history_.Clear();
    UpdateHistoryActions();
}

void InspectorWindow::ClearView()
{
    chunk_.reset();
    shown_ = 0;
    view_.reset();
    layout_->setStretch(layout_->count() - 1, 1);
    setWindowTitle(QStringLiteral("Inspector"));
    header_->setText(QStringLiteral("No chunk: pick one in the main window's chunk list."));
    warning_->hide();
    note_->hide();
    save_->setEnabled(false);
}

void InspectorWindow::ShowChunk(ChunkNumber number)
{
    ClearView();
    const ChunkInfo* found = openFile_.Chunks.Find(number);
    if (found == nullptr)
        return;
    chunk_ = *found;
    shown_ = number;
    const ChunkSummary summary = SummariseChunk(*chunk_, openFile_.FileData.size());
    setWindowTitle(QStringLiteral("Inspector - ") + ChunkTitle(summary));
    header_->setText(
        QStringLiteral("Type %1     ID %2     Label %3\nSize %4 bytes     Offset %5 (%6)     Flags %7")
            .arg(Text(summary.type))
            .arg(QString::fromStdString(ChunkIdText(summary.id)))
            .arg(Text(summary.label))
            .arg(summary.size)
            .arg(summary.offset)
            .arg(Hex(summary.offset, 8))
            .arg(Hex(summary.flags, 4)));
    warning_->setText(QString::fromStdString(summary.warning));
    warning_->setVisible(!summary.warning.empty());

    ChunkViewMade made =
        MakeViewForChunk(*chunk_, context_, [this](std::int32_t offset) { PickOffset(offset); });
    view_ = std::move(made.view);
    const QString& declined = made.declined;
    view_->setObjectName(QStringLiteral("View"));
    // The mouse's side buttons go Back and Forward, and Ctrl+C copies what the
    // view copies, whichever part has the mouse or the focus.
    for (QWidget* part : view_->findChildren<QWidget*>())
        part->installEventFilter(this);
    // The view takes the place of the stretch at the end.
    layout_->insertWidget(layout_->count() - 1, view_.get(), 1);
    layout_->setStretch(layout_->count() - 1, 0);
    // The keys act in the view at once (a draw group's arrows, a table's
    // lines), as after a click into it; a window in the background stays so.
    QWidget* keys = view_.get();
    if (keys->focusPolicy() == Qt::NoFocus)
        for (QWidget* part : view_->findChildren<QWidget*>())
            if ((part->focusPolicy() & Qt::TabFocus) != 0 && part->isVisibleTo(view_.get())) {
                keys = part;
                break;
            }
    keys->setFocus(Qt::OtherFocusReason);
    const QString note = declined.isEmpty() ? view_->Note() : QStringLiteral("Shown as bytes: ") + declined;
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
    save_->setEnabled(true);
}

void InspectorWindow::FollowLink(ChunkNumber number)
{
    QTimer::singleShot(0, this, [this, number] {
        if (openFile_.Chunks.Find(number) == nullptr || number == shown_)
            return;
        history_.Followed(Here());
        Select(number);
    });
}

void InspectorWindow::FollowElsewhere(const library::ChunkPlace& place)
{
    QTimer::singleShot(0, this, [this, place] {
        const LinkStop from = Here();
        if (!OpenFileOf({place.path, place.member, 0}))
            return;
        history_.Followed(from);
        Select(FindChunk(openFile_.Chunks, place.type, place.id));
    });
}

bool InspectorWindow::GoBack() { return GoTo(history_.Back(Here())); }

bool InspectorWindow::GoForward() { return GoTo(history_.Forward(Here())); }

bool InspectorWindow::GoTo(const LinkStop& stop)
{
    if (stop.chunk == 0)
        return false;
    // A stop in a file no longer at hand shows nothing.
    Select(OpenFileOf(stop) ? stop.chunk : 0);
    return true;
}

bool InspectorWindow::OpenFileOf(const LinkStop& stop)
{
    if (stop.SameFile(Here()))
        return true;
    if (!openElsewhere_)
        return false;
    openingElsewhere_ = true;
    const bool opened = openElsewhere_(stop.path, stop.member);
    openingElsewhere_ = false;
    // The main window may spell the path its own way: what it opened is kept as Here() says.
    return opened;
}

void InspectorWindow::Select(ChunkNumber number)
{
    if (pickChunk_)
        pickChunk_(number);
    ShowChunk(number);
    UpdateHistoryActions();
}

void InspectorWindow::UpdateHistoryActions()
{
    back_->setEnabled(history_.CanGoBack());
    forward_->setEnabled(history_.CanGoForward());
}

void InspectorWindow::ShowReplacedObjects()
{
    if (auto* object = dynamic_cast<ObjectDefinitionView*>(view_.get()))
        object->ShowReplaced();
}

void InspectorWindow::PickOffset(std::int32_t offset)
{
    for (ChunkNumber number = 1; number <= openFile_.Chunks.Count(); ++number)
        if (openFile_.Chunks.Find(number)->Position - 1 == offset) {
            if (pickChunk_)
                pickChunk_(number);
            return;
        }
}

void InspectorWindow::FillSaveMenu()
{
    saveMenu_->clear();
    if (!view_)
        return;
    const bool sprite = !view_->Frames().empty();
    const auto add = [this](const QString& text, Save what, const QString& suffix, const QString& filter) {
        saveMenu_->addAction(text, this, [this, what, suffix, filter] { AskAndSave(what, suffix, filter); });
    };
    const QString png = QStringLiteral("PNG picture (*.png)");
    const QString bmp = QStringLiteral("BMP picture (*.bmp)");
    if (!view_->CurrentPicture().isNull()) {
        const QString picture = sprite ? QStringLiteral("Current frame") : QStringLiteral("Picture");
        add(picture + QStringLiteral(" as PNG..."), Save::Picture, QStringLiteral(".png"), png);
        add(picture + QStringLiteral(" as BMP, transparency on white..."), Save::Picture,
            QStringLiteral(".bmp"), bmp);
    }
    if (sprite) {
        add(QStringLiteral("All frames as PNGs into a folder..."), Save::AllFrames, {}, {});
        add(QStringLiteral("All frames as one PNG sprite sheet..."), Save::SpriteSheet,
            QStringLiteral(".png"), png);
        add(QStringLiteral("All frames as one BMP sprite sheet, transparency on white..."), Save::SpriteSheet,
            QStringLiteral(".bmp"), bmp);
    }
    if (!view_->TableText().isEmpty())
        add(QStringLiteral("Table as tab-separated text..."), Save::Table, QStringLiteral(".txt"),
            QStringLiteral("Text (*.txt)"));
    saveMenu_->addSeparator();
    const QString any = QStringLiteral("Any file (*)");
    add(QStringLiteral("Contents of the chunk, without its header..."), Save::Contents,
        QStringLiteral(".bin"), any);
    add(QStringLiteral("Whole chunk, with its 76-byte header..."), Save::WholeChunk,
        QStringLiteral(" with header.bin"), any);
}

QString InspectorWindow::SaveTo(Save what, const QString& path) const
{
    if (!chunk_ || !view_)
        return QStringLiteral("No chunk is shown.");
    switch (what) {
    case Save::Picture:
        return SaveImage(path, view_->CurrentPicture());
    case Save::AllFrames:
        return SaveFrames(path, FileStem(SummariseChunk(*chunk_, 0)), view_->Frames());
    case Save::SpriteSheet:
        return SaveImage(path, SpriteSheet(view_->Frames()));
    case Save::Table:
        return SaveText(path, view_->TableText());
    case Save::Contents:
        return SaveBytes(path, ChunkBody(*chunk_));
    case Save::WholeChunk:
        return SaveBytes(path, chunk_->Data.span());
    }
    return {};
}

void InspectorWindow::AskAndSave(Save what, const QString& suffix, const QString& filter)
{
    if (!chunk_)
        return;
    const QString stem = FileStem(SummariseChunk(*chunk_, 0));
    const QString path = what == Save::AllFrames ? AskFramesFolder(this, stem, view_->Frames())
                                                 : AskSaveFile(this, stem + suffix, filter);
    if (path.isEmpty())
        return;
    if (const QString why = SaveTo(what, path); !why.isEmpty())
        ReportSaveFailure(this, path, why);
}

void InspectorWindow::mousePressEvent(QMouseEvent* event)
{
    if (!GoByMouse(event->button()))
        QWidget::mousePressEvent(event);
}

bool InspectorWindow::GoByMouse(Qt::MouseButton button)
{
    if (button == Qt::BackButton)
        GoBack();
    else if (button == Qt::ForwardButton)
        GoForward();
    else
        return false;
    return true;
}

bool InspectorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && GoByMouse(static_cast<QMouseEvent*>(event)->button()))
        return true;
    // An item view takes Ctrl+C for itself, and would copy its current cell
    // alone: the window's Copy comes first.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copy_->trigger();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void InspectorWindow::closeEvent(QCloseEvent* event)
{
    InspectorSettings().setValue(kGeometryKey, saveGeometry());
    event->accept();
}

}  // namespace tarnwick
