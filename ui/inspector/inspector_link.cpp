#include "ui/inspector/inspector_link.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>

#include "widgets/list_box.h"

namespace tarnwick {

InspectorLink::InspectorLink(ListBox& chunkList, const OpenFile& openFile, QWidget* owner)
    : QObject(owner), list_(chunkList), openFile_(openFile), owner_(owner)
{
    follow_.setSingleShot(true);
    follow_.setInterval(0);
    connect(&follow_, &QTimer::timeout, this, &InspectorLink::Follow);
    connect(&list_, &ListBox::clicked, this, [this] {
        if (window_ && window_->isVisible())
            follow_.start();
    });
    // Double-click and Enter only: some platforms treat a single click as
    // "activated", and a single click must do no more than it did.
    connect(&list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Inspect(list_.row(item)); });
    list_.installEventFilter(this);
    list_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list_, &QWidget::customContextMenuRequested, this, &InspectorLink::ShowMenu);
}

bool InspectorLink::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Inspect(list_.currentRow());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void InspectorLink::Inspect(int row) { InspectChunk(ListedChunk(row)); }

void InspectorLink::InspectChunk(ChunkNumber number)
{
    if (openFile_.Chunks.Find(number) == nullptr)
        return;
    if (!window_) {
        window_ = new InspectorWindow(openFile_, owner_);
        // A chunk past the listed ones has no line to select.
        window_->SetPickChunk([this](ChunkNumber picked) {
            list_.setCurrentRow(picked <= kMaxChunks ? static_cast<int>(picked) - 1 : -1);
        });
        window_->SetOpenElsewhere(openElsewhere_);
        window_->SetLinkSources(linkSources_);
    }
    follow_.stop();
    window_->ShowChunk(number);
    window_->show();
    window_->raise();
}

void InspectorLink::Follow()
{
    const int row = list_.currentRow();
    if (window_ && row >= 0 && list_.item(row)->isSelected() && ListedChunk(row) != window_->ChunkIndex())
        window_->ShowChunk(ListedChunk(row));
}

void InspectorLink::ShowMenu(const QPoint& at)
{
    const QListWidgetItem* line = list_.itemAt(at);
    const int row = line ? list_.row(line) : -1;
    const QString text = line ? line->text() : QString();
    QMenu menu;
    QAction* inspect = menu.addAction(QStringLiteral("&Inspect"));
    QAction* copyLine = menu.addAction(QStringLiteral("&Copy line"));
    QAction* copyAll = menu.addAction(QStringLiteral("Copy &all lines"));
    inspect->setEnabled(openFile_.Chunks.Find(ListedChunk(row)) != nullptr);
    copyLine->setEnabled(row >= 0);
    copyAll->setEnabled(list_.count() > 0);
    QAction* chosen = menu.exec(list_.viewport()->mapToGlobal(at));
    if (chosen == copyAll) {
        QStringList lines;
        for (int i = 0; i < list_.count(); ++i)
            lines << list_.item(i)->text();
        QApplication::clipboard()->setText(lines.join(u'\n') + u'\n');
        return;
    }
    // The list may have been refilled while the menu was open: act only on
    // the line the menu was opened on.
    if (chosen == nullptr || list_.item(row) == nullptr || list_.item(row)->text() != text)
        return;
    if (chosen == inspect)
        Inspect(row);
    else if (chosen == copyLine)
        QApplication::clipboard()->setText(text);
}

void InspectorLink::Clear()
{
    follow_.stop();
    if (window_)
        window_->Clear();
}

void InspectorLink::Close()
{
    if (window_)
        window_->close();
}

}  // namespace tarnwick
