#include "widgets/file_list_box.h"

#include <QScrollBar>

#include "system/ascii_case.h"
#include "widgets/folder_names_model.h"
#include "widgets/folder_watch.h"
#include "widgets/list_clicks.h"
#include "widgets/path_text.h"

namespace tarnwick {

namespace {

// Whether `name` matches a pattern of '*' (any run) and '?' (any one byte),
// ignoring the case of ASCII letters.
bool Matches(std::string_view name, std::string_view pattern)
{
    std::size_t n = 0, p = 0;
    std::size_t starAt = std::string_view::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || LowerAscii(pattern[p]) == LowerAscii(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

}  // namespace

FileListBox::FileListBox(QWidget* parent) : LineListView(parent), names_(new FolderNamesModel(this))
{
    setModel(names_);
    SetLinesFitItems(true);
    // Names too long for the list end in an ellipsis and show whole in a tooltip.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    clicks_ = new ListClicks(*this);
    connect(clicks_, &ListClicks::clicked, this, &FileListBox::clicked);
    connect(&FolderWatch::Instance(), &FolderWatch::changed, this, &FileListBox::FolderChanged);
}

FileListBox::~FileListBox()
{
    if (!path_.isEmpty())
        FolderWatch::Instance().Unwatch(path_);
}

void FileListBox::SetPath(const QString& path)
{
    if (path != path_) {
        if (!path_.isEmpty())
            FolderWatch::Instance().Unwatch(path_);
        if (!path.isEmpty())
            FolderWatch::Instance().Watch(path);
    }
    path_ = path;
    Refresh();
}

void FileListBox::SetPattern(const QString& pattern)
{
    pattern_ = pattern;
    if (folder_)
        Fill(folder_, false);
}

int FileListBox::SelectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QString FileListBox::FileName() const
{
    const int row = SelectedRow();
    return row < names_->LineCount() ? QString() : ShownName(names_->EntryName(row));
}

std::string FileListBox::FileNameBytes() const
{
    const int row = SelectedRow();
    return row < names_->LineCount() ? std::string() : std::string(names_->EntryName(row));
}

std::string FileListBox::FilePathBytes() const
{
    const std::string name = FileNameBytes();
    if (name.empty())
        return {};
    std::string folder = PathBytes(path_);
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\'))
        folder += '/';
    return folder + name;
}

bool FileListBox::ChooseFile(const QString& name)
{
    const int row = names_->RowOfEntry(PathBytes(name));
    if (row < 0)
        return false;
    const QModelIndex index = names_->index(row);
    scrollTo(index);
    if (SelectedRow() == row)
        emit clicked();
    else
        setCurrentIndex(index);
    return true;
}

void FileListBox::Refresh(bool keepPlace)
{
    if (path_.isEmpty()) {
        folder_.reset();
        names_->Show({}, nullptr, {});
        return;
    }
    Fill(FolderWatch::Instance().Read(path_), keepPlace);
}

void FileListBox::Fill(std::shared_ptr<const FolderRead> folder, bool keepPlace)
{
    const std::string selected = keepPlace ? FileNameBytes() : std::string();
    const int firstShown = verticalScrollBar()->value();
    folder_ = std::move(folder);
    const std::string pattern = PathBytes(pattern_);
    const FolderListing& entries = folder_->Entries;
    std::vector<std::uint32_t> shown;
    for (std::uint32_t i = 0; i < entries.Size(); ++i) {
        const std::string_view name = entries.Name(i);
        if (entries.Kind(i) == EntryKind::File && !name.starts_with('.') && Matches(name, pattern))
            shown.push_back(i);
    }
    QList<FolderNamesModel::Line> message;
    if (!folder_->Opened)
        message.append({(folder_->InArchive ? QStringLiteral("Cannot open this archive: ")
                                            : QStringLiteral("Cannot open this folder: ")) +
                            QString::fromStdString(folder_->Reason),
                        {},
                        0});

    // The same file, still there, stays selected without a new Click.
    clicks_->SetQuiet(true);
    names_->Show(std::move(message), folder_, std::move(shown));
    if (keepPlace) {
        verticalScrollBar()->setValue(firstShown);
        if (const int row = selected.empty() ? -1 : names_->RowOfEntry(selected); row >= 0)
            setCurrentIndex(names_->index(row));
    }
    clicks_->SetQuiet(false);
}

void FileListBox::FolderChanged(const QString& path)
{
    if (path == path_)
        Refresh(true);
}

}  // namespace tarnwick
