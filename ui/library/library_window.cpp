#include "ui/library/library_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>
#include <optional>

#include "library/index_cache.h"
#include "library/library_scan.h"
#include "library/scan_command.h"
#include "library/scan_output.h"
#include "model/text/windows1252.h"
#include "ui/library/library_table.h"
#include "ui/library/thumbnail_cache.h"
#include "widgets/code_page_text.h"

namespace tarnwick {

namespace {

using library::FileRecord;
using library::ObjectRecord;

QString Utf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString FileText(const std::string& bytes) { return Utf8(FileNameToUtf8(bytes)); }

// The name in English (US), else in the first language the table has, each
// in its own code page.
QString NameOf(const ObjectRecord& object)
{
    const library::CatalogueName* chosen = library::NameIn(object);
    return chosen == nullptr ? QString() : CodePageText(chosen->text, chosen->codePage);
}

bool Holds(const QString& text, const QString& needle) { return text.contains(needle, Qt::CaseInsensitive); }

constexpr int kPollMilliseconds = 100;
// Pictures kept, about 9 KB each (36 KB at twice the density), and pictures
// waiting to be made.
constexpr std::size_t kPicturesKept = 2048;
constexpr std::size_t kPicturesPending = 256;

// Draws a picture column's pictures centred, and says which rows it draws:
// the only rows whose pictures are worth making.
class PictureDelegate : public QStyledItemDelegate {
public:
    PictureDelegate(std::function<void(const QModelIndex&)> shown, QObject* parent)
        : QStyledItemDelegate(parent), shown_(std::move(shown))
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        shown_(index);
        QStyledItemDelegate::paint(painter, option, index);
    }

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return {ThumbnailCache::kSide + 4, ThumbnailCache::kSide + 4};
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->decorationAlignment = Qt::AlignCenter;
        option->decorationSize = {ThumbnailCache::kSide, ThumbnailCache::kSide};
    }

private:
    std::function<void(const QModelIndex&)> shown_;
};

}  // namespace

LibraryWindow::LibraryWindow(std::filesystem::path cacheFile, QWidget* parent)
    : QWidget(parent, Qt::Window), cacheFile_(std::move(cacheFile))
{
    setObjectName(QStringLiteral("libraryWindow"));
    setWindowTitle(QStringLiteral("Library"));

    const auto object = [this](int row) -> const ObjectRecord& {
        const ObjectRow& at = objects_[static_cast<std::size_t>(row)];
        return files_[at.file].objects[at.object];
    };
    const auto objectFile = [this](int row) -> const FileRecord& {
        return files_[objects_[static_cast<std::size_t>(row)].file];
    };
    thumbnails_ = new ThumbnailCache(kPicturesKept, kPicturesPending, this);
    objectsTable_ = new LibraryTable(
        {
            {QStringLiteral("Picture"),
             [](int) { return QString(); },
             {},
             true,
             [this](int row) {
                 const std::optional<QPixmap> picture = thumbnails_->Find(PictureSource(row));
                 return picture && !picture->isNull() ? QVariant(*picture) : QVariant();
             }},
            {QStringLiteral("Name"), [=](int row) { return NameOf(object(row)); }, {}},
            {QStringLiteral("Price"), [=](int row) { return QString::number(object(row).price); },
             [=](int row) { return qlonglong{object(row).price}; }},
            {QStringLiteral("GUID"), [=](int row) { return Utf8(library::GuidText(object(row).guid)); }, {}},
            {QStringLiteral("Original GUID"),
             [=](int row) { return Utf8(library::GuidText(object(row).originalGuid)); },
             {}},
            {QStringLiteral("File"), [=](int row) { return FileText(objectFile(row).path); }, {}},
            {QStringLiteral("Member"), [=](int row) { return FileText(objectFile(row).member); }, {}},
            {QStringLiteral("OBJD ID"), [=](int row) { return QString::number(object(row).objdId); },
             [=](int row) { return qlonglong{object(row).objdId}; }},
            {QStringLiteral("Label"),
             [=](int row) { return Utf8(Windows1252ToUtf8(object(row).label)); },
             {}},
            {QStringLiteral("Tiles"), [=](int row) { return Utf8(library::TilesText(object(row))); }, {}},
        },
        this);
    const auto file = [this](int row) -> const FileRecord& { return files_[static_cast<std::size_t>(row)]; };
    const auto join = [](const std::vector<std::string>& lines) {
        QStringList texts;
        for (const std::string& line : lines)
            texts << Utf8(line);
        return texts.join(QStringLiteral("; "));
    };
    filesTable_ = new LibraryTable(
        {
            {QStringLiteral("File"), [=](int row) { return FileText(file(row).path); }, {}},
            {QStringLiteral("Member"), [=](int row) { return FileText(file(row).member); }, {}},
            {QStringLiteral("Size"), [=](int row) { return QString::number(file(row).size); },
             [=](int row) { return static_cast<qlonglong>(file(row).size); }},
            {QStringLiteral("Chunks"), [=](int row) { return QString::number(file(row).chunkCount); },
             [=](int row) { return qlonglong{file(row).chunkCount}; }},
            {QStringLiteral("Objects"), [=](int row) { return QString::number(file(row).objects.size()); },
             [=](int row) { return static_cast<qlonglong>(file(row).objects.size()); }},
            {QStringLiteral("Damage"), [=](int row) { return join(file(row).damage); }, {}},
            {QStringLiteral("Unknown types"), [=](int row) { return join(file(row).unknownTypes); }, {}},
            {QStringLiteral("Notes"), [=](int row) { return join(file(row).notes); }, {}},
        },
        this);
    const auto conflict = [this](int row) -> const std::pair<std::size_t, library::ObjectPlace>& {
        return conflictRows_[static_cast<std::size_t>(row)];
    };
    const auto conflictObject = [=, this](int row) -> const ObjectRecord& {
        const library::ObjectPlace place = conflict(row).second;
        return files_[place.file].objects[place.object];
    };
    conflictsTable_ = new LibraryTable(
        {
            {QStringLiteral("Class"),
             [=, this](int row) {
                 return Utf8(std::string(library::ConflictClassName(groups_[conflict(row).first].kind)));
             },
             [=, this](int row) { return static_cast<qlonglong>(groups_[conflict(row).first].kind); }, false},
            {QStringLiteral("GUID"),
             [=, this](int row) { return Utf8(library::GuidText(groups_[conflict(row).first].guid)); },
             {}},
            {QStringLiteral("Name"), [=](int row) { return NameOf(conflictObject(row)); }, {}},
            {QStringLiteral("Label"),
             [=](int row) { return Utf8(Windows1252ToUtf8(conflictObject(row).label)); },
             {}},
            {QStringLiteral("File"),
             [=, this](int row) { return FileText(files_[conflict(row).second.file].path); },
             {}},
            {QStringLiteral("Member"),
             [=, this](int row) { return FileText(files_[conflict(row).second.file].member); },
             {}},
        },
        this);

    const auto objectMatches = [=](int row, const QString& needle) {
        const ObjectRecord& found = object(row);
        const QString guid = GuidNeedle(needle);
        if (!guid.isEmpty() && (Utf8(library::GuidText(found.guid)).contains(guid) ||
                                Utf8(library::GuidText(found.originalGuid)).contains(guid)))
            return true;
        return Holds(NameOf(found), needle) || Holds(Utf8(Windows1252ToUtf8(found.label)), needle) ||
               Holds(FileText(objectFile(row).path), needle) ||
               Holds(FileText(objectFile(row).member), needle) || Holds(Utf8(objectFile(row).texts), needle);
    };
    const auto fileMatches = [=](int row, const QString& needle) {
        return Holds(FileText(file(row).path), needle) || Holds(FileText(file(row).member), needle) ||
               Holds(Utf8(file(row).texts), needle);
    };
    const auto conflictMatches = [=, this](int row, const QString& needle) {
        const QString guid = GuidNeedle(needle);
        if (!guid.isEmpty() && Utf8(library::GuidText(groups_[conflict(row).first].guid)).contains(guid))
            return true;
        return Holds(NameOf(conflictObject(row)), needle) ||
               Holds(Utf8(Windows1252ToUtf8(conflictObject(row).label)), needle) ||
               Holds(FileText(files_[conflict(row).second.file].path), needle);
    };
    objectsFilter_ = new LibraryFilter(*objectsTable_, objectMatches, this);
    filesFilter_ = new LibraryFilter(*filesTable_, fileMatches, this);
    conflictsFilter_ = new LibraryFilter(*conflictsTable_, conflictMatches, this);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("libraryProgress"));
    progress_->setFormat(QStringLiteral("%v of %m files"));
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("libraryCancel"));
    auto* choose = new QPushButton(QStringLiteral("Scan &folder..."), this);
    choose->setObjectName(QStringLiteral("libraryChooseFolder"));
    auto* exportButton = new QPushButton(QStringLiteral("&Export..."), this);
    exportButton->setObjectName(QStringLiteral("libraryExport"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("libraryStatus"));
    top->addWidget(progress_, 1);
    top->addWidget(status_);
    top->addWidget(cancel_);
    top->addWidget(choose);
    top->addWidget(exportButton);
    layout->addLayout(top);
    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("libraryCounts"));
    layout->addWidget(counts_);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("librarySearch"));
    search_->setPlaceholderText(QStringLiteral("Search names, GUIDs, files and texts"));
    search_->setClearButtonEnabled(true);
    layout->addWidget(search_);
    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_, 1);
    conflictsView_ = AddTable(QStringLiteral("Conflicts"), *conflictsTable_, *conflictsFilter_);
    objectsView_ = AddTable(QStringLiteral("Objects"), *objectsTable_, *objectsFilter_);
    filesView_ = AddTable(QStringLiteral("Files"), *filesTable_, *filesFilter_);
    tabs_->setCurrentWidget(objectsView_);
    objectsView_->setItemDelegateForColumn(
        0, new PictureDelegate(
               [this](const QModelIndex& shown) {
                   const int row = objectsFilter_->mapToSource(shown).row();
                   if (row >= 0 && static_cast<std::size_t>(row) < objects_.size())
                       (void)thumbnails_->Ask(PictureSource(row), row);
               },
               objectsView_));
    objectsView_->setIconSize({ThumbnailCache::kSide, ThumbnailCache::kSide});
    objectsView_->verticalHeader()->setDefaultSectionSize(
        std::max(ThumbnailCache::kSide + 4, objectsView_->fontMetrics().height() + 4));
    thumbnails_->Made = [this](int row) { objectsTable_->PictureChanged(row); };

    poll_ = new QTimer(this);
    poll_->setInterval(kPollMilliseconds);
    connect(poll_, &QTimer::timeout, this, &LibraryWindow::TakeResults);
    connect(cancel_, &QPushButton::clicked, this, &LibraryWindow::Cancel);
    connect(choose, &QPushButton::clicked, this, &LibraryWindow::ChooseFolder);
    connect(exportButton, &QPushButton::clicked, this, &LibraryWindow::Export);
    connect(search_, &QLineEdit::textChanged, this, &LibraryWindow::SetSearch);
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &LibraryWindow::CopySelection);
    cancel_->setEnabled(false);
    ResetData();
    resize(1000, 600);
}

LibraryWindow::~LibraryWindow()
{
    thumbnails_->Made = nullptr;
    if (scan_.joinable()) {
        scan_.request_stop();
        scan_.join();
    }
}

QTableView* LibraryWindow::AddTable(const QString& caption, LibraryTable& table, LibraryFilter& filter)
{
    (void)table;
    auto* view = new QTableView(tabs_);
    view->setObjectName(QStringLiteral("library") + caption);
    view->setModel(&filter);
    view->setSortingEnabled(true);
    view->sortByColumn(-1, Qt::AscendingOrder);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->horizontalHeader()->setStretchLastSection(true);
    // Columns fitted to the first rows' texts, however many rows there are.
    view->horizontalHeader()->setResizeContentsPrecision(200);
    view->setWordWrap(false);
    connect(view, &QTableView::doubleClicked, this, &LibraryWindow::Activated);
    tabs_->addTab(view, caption);
    return view;
}

ThumbnailSource LibraryWindow::PictureSource(int objectRow) const
{
    const ObjectRow& at = objects_[static_cast<std::size_t>(objectRow)];
    const FileRecord& file = files_[at.file];
    const ObjectRecord& object = file.objects[at.object];
    return {file.path, file.member, object.objdId, object.chunkNumber};
}

std::optional<QPixmap> LibraryWindow::ObjectPicture(const QModelIndex& shown)
{
    const int row = objectsFilter_->mapToSource(shown).row();
    if (row < 0 || static_cast<std::size_t>(row) >= objects_.size())
        return std::nullopt;
    return thumbnails_->Find(PictureSource(row));
}

void LibraryWindow::hideEvent(QHideEvent* event)
{
    thumbnails_->DropPending();  // no row is shown now
    QWidget::hideEvent(event);
}

std::vector<std::string> LibraryWindow::InstallFolders(const std::vector<GameInstall>& installs)
{
    std::vector<std::string> roots;
    const auto add = [&](const std::filesystem::path& folder) {
        if (!folder.empty() && std::find(roots.begin(), roots.end(), folder.string()) == roots.end())
            roots.push_back(folder.string());
    };
    for (const GameInstall& install : installs) {
        add(install.GameFolder);
        add(install.Downloads);
        for (const Neighbourhood& neighbourhood : install.Neighbourhoods)
            add(neighbourhood.Folder);
    }
    return roots;
}

void LibraryWindow::ResetData()
{
    files_.clear();
    objects_.clear();
    groups_.clear();
    conflictRows_.clear();
    objectsTable_->SetRowCount(0);
    filesTable_->SetRowCount(0);
    conflictsTable_->SetRowCount(0);
    counts_->setText(CountsText());
}

void LibraryWindow::Scan(const std::vector<std::string>& folders)
{
    std::vector<std::string> roots;
    roots.reserve(folders.size());
    for (const std::string& folder : folders)
        roots.push_back(library::AbsoluteRoot(folder));
    Cancel();
    if (scan_.joinable())
        scan_.join();
    thumbnails_->DropAll();
    ResetData();
    {
        const std::lock_guard lock(pendingLock_);
        pending_.clear();
    }
    filesDone_ = 0;
    filesInAll_ = 0;
    finished_ = false;
    progress_->setRange(0, 0);  // busy until the files are counted
    status_->setText(QStringLiteral("Listing files..."));
    cancel_->setEnabled(true);
    elapsed_.start();
    scan_ = std::jthread([this, roots](const std::stop_token& stop) {
        std::optional<library::IndexCache> cache;
        library::ScanOptions options;
        if (!cacheFile_.empty()) {
            cache.emplace(cacheFile_);
            if (cache->state() != library::IndexCache::State::Unavailable)
                options.known = [&](const library::ListedFile& listed) { return cache->Find(listed); };
        }
        std::vector<FileRecord> all;
        (void)library::Scan(roots, options,
                            {[this](std::size_t total) { filesInAll_ = total; },
                             [&](std::vector<FileRecord> records, std::size_t done) {
                                 all.insert(all.end(), records.begin(), records.end());
                                 {
                                     const std::lock_guard lock(pendingLock_);
                                     for (FileRecord& record : records)
                                         pending_.push_back(std::move(record));
                                 }
                                 filesDone_ = done;
                             }},
                            stop);
        if (cache && cache->state() != library::IndexCache::State::Unavailable)
            (void)cache->Update(roots, all, !stop.stop_requested());
        cancelled_ = stop.stop_requested();
        finished_ = true;
    });
    poll_->start();
}

void LibraryWindow::Cancel()
{
    if (scan_.joinable())
        scan_.request_stop();
}

bool LibraryWindow::Scanning() const { return !finished_; }

void LibraryWindow::TakeResults()
{
    const bool finished = finished_;
    std::vector<FileRecord> arrived;
    {
        const std::lock_guard lock(pendingLock_);
        arrived.swap(pending_);
    }
    for (FileRecord& record : arrived) {
        for (std::size_t object = 0; object < record.objects.size(); ++object)
            objects_.push_back({files_.size(), object});
        files_.push_back(std::move(record));
    }
    objectsTable_->SetRowCount(static_cast<int>(objects_.size()));
    filesTable_->SetRowCount(static_cast<int>(files_.size()));

    const auto all = static_cast<int>(filesInAll_.load());
    const auto done = static_cast<int>(filesDone_.load());
    if (all > 0 || finished) {
        progress_->setRange(0, all);
        progress_->setValue(done);
        const qint64 ms = elapsed_.elapsed();
        if (!finished && done > 0 && done < all)
            status_->setText(QStringLiteral("%1 s left").arg((ms * (all - done) / done + 999) / 1000));
    }
    if (finished)
        Finish();
}

void LibraryWindow::Finish()
{
    poll_->stop();
    if (scan_.joinable())
        scan_.join();
    const bool stopped = cancelled_;
    groups_ = library::FindConflicts(files_);
    conflictRows_.clear();
    for (std::size_t group = 0; group < groups_.size(); ++group)
        for (const library::ObjectPlace place : groups_[group].places)
            conflictRows_.emplace_back(group, place);
    conflictsTable_->SetRowCount(static_cast<int>(conflictRows_.size()));
    counts_->setText(CountsText());
    for (QTableView* view : {objectsView_, filesView_, conflictsView_})
        view->resizeColumnsToContents();
    status_->setText(stopped ? QStringLiteral("Cancelled")
                             : QStringLiteral("Done in %1 s")
                                   .arg(static_cast<double>(elapsed_.elapsed()) / 1000.0, 0, 'f', 1));
    cancel_->setEnabled(false);
    if (ScanEnded)
        ScanEnded();
}

QString LibraryWindow::CountsText() const
{
    const auto counts = library::CountConflicts(groups_);
    QStringList parts;
    for (std::size_t kind = 0; kind < counts.size(); ++kind)
        parts << QStringLiteral("%1: %2")
                     .arg(Utf8(
                         std::string(library::ConflictClassName(static_cast<library::ConflictClass>(kind)))))
                     .arg(counts[kind]);
    // Files as the progress counts them, an archive as one; its members apart.
    const auto members = static_cast<std::size_t>(std::count_if(
        files_.begin(), files_.end(), [](const FileRecord& file) { return !file.member.empty(); }));
    QString text = QStringLiteral("%1 objects in %2 files").arg(objects_.size()).arg(files_.size() - members);
    if (members > 0)
        text += QStringLiteral(" and %1 archive member%2").arg(members).arg(members == 1 ? "" : "s");
    return text + QStringLiteral(". ") + parts.join(QStringLiteral(", "));
}

void LibraryWindow::SetSearch(const QString& text)
{
    if (search_->text() != text)
        search_->setText(text);  // comes back here through textChanged
    for (LibraryFilter* filter : {objectsFilter_, filesFilter_, conflictsFilter_})
        filter->SetNeedle(text);
}

void LibraryWindow::ChooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Folder to scan"));
    if (!folder.isEmpty())
        Scan({QFile::encodeName(folder).toStdString()});
}

QString LibraryWindow::ShownTableAsTsv() const
{
    const auto* view = static_cast<const QTableView*>(tabs_->currentWidget());
    std::vector<int> rows(static_cast<std::size_t>(view->model()->rowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    return RowsAsTsv(*view->model(), rows);
}

void LibraryWindow::Export()
{
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Export as tab-separated text"), QString(),
                                     QStringLiteral("Tab-separated text (*.tsv *.txt)"));
    if (path.isEmpty())
        return;
    QSaveFile out(path);
    const QByteArray bytes = ShownTableAsTsv().toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        QMessageBox::warning(this, QStringLiteral("Export"),
                             QStringLiteral("Cannot write %1: %2").arg(path, out.errorString()));
}

void LibraryWindow::CopySelection()
{
    const auto* view = static_cast<const QTableView*>(tabs_->currentWidget());
    std::vector<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    if (!rows.empty())
        QApplication::clipboard()->setText(RowsAsTsv(*view->model(), rows));
}

void LibraryWindow::Activated(const QModelIndex& index)
{
    if (!OpenChunk || !index.isValid())
        return;
    const auto* filter = static_cast<const QSortFilterProxyModel*>(index.model());
    const int row = filter->mapToSource(index).row();
    const FileRecord* file = nullptr;
    quint32 chunk = 0;
    if (filter == objectsFilter_) {
        file = &files_[objects_[static_cast<std::size_t>(row)].file];
        chunk = file->objects[objects_[static_cast<std::size_t>(row)].object].chunkNumber;
    } else if (filter == filesFilter_) {
        file = &files_[static_cast<std::size_t>(row)];
    } else {
        const library::ObjectPlace place = conflictRows_[static_cast<std::size_t>(row)].second;
        file = &files_[place.file];
        chunk = file->objects[place.object].chunkNumber;
    }
    OpenChunk(QString::fromLocal8Bit(file->path.data(), static_cast<qsizetype>(file->path.size())),
              QString::fromLocal8Bit(file->member.data(), static_cast<qsizetype>(file->member.size())),
              chunk);
}

}  // namespace tarnwick
