#include "ui/inspector/views/sprite_frames_view.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "model/decoders/palette_choice.h"
#include "ui/inspector/checkerboard.h"

namespace tarnwick {

namespace {

constexpr int kCaptionHeight = 18;
constexpr int kSpacing = 10;

}  // namespace

// The frames laid out left to right in rows as wide as the view.
class FrameGrid final : public QWidget {
public:
    explicit FrameGrid(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("Frames")); }

    void SetFrames(std::vector<QImage> images, QStringList captions, int zoom)
    {
        images_ = std::move(images);
        captions_ = std::move(captions);
        zoom_ = zoom;
        Relayout();
    }
    [[nodiscard]] int Current() const { return current_; }

    void Relayout()
    {
        cells_.clear();
        int x = kSpacing, y = kSpacing, rowHeight = 0;
        const int width = std::max(parentWidget() ? parentWidget()->width() : this->width(), 200);
        for (std::size_t i = 0; i < images_.size(); ++i) {
            const QSize picture = images_[i].isNull() ? QSize(0, 0) : images_[i].size() * zoom_;
            const QSize cell(std::max(picture.width(), 90), picture.height() + kCaptionHeight);
            if (x > kSpacing && x + cell.width() > width) {
                x = kSpacing;
                y += rowHeight + kSpacing;
                rowHeight = 0;
            }
            cells_.push_back(QRect(QPoint(x, y), cell));
            x += cell.width() + kSpacing;
            rowHeight = std::max(rowHeight, cell.height());
        }
        resize(width, y + rowHeight + kSpacing);
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            const QRect cell = cells_[i];
            if (!cell.intersects(event->rect()))
                continue;
            const QRect caption(cell.left(), cell.top(), cell.width(), kCaptionHeight);
            painter.setPen(palette().windowText().color());
            painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, captions_[static_cast<int>(i)]);
            if (images_[i].isNull())
                continue;
            const QRect picture(cell.left(), cell.top() + kCaptionHeight, images_[i].width() * zoom_,
                                images_[i].height() * zoom_);
            painter.fillRect(picture, Checkerboard());
            painter.drawImage(picture, images_[i]);
            if (static_cast<int>(i) == current_) {
                painter.setPen(QPen(palette().highlight().color(), 2));
                painter.drawRect(picture.adjusted(-1, -1, 1, 1));
            }
        }
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        for (std::size_t i = 0; i < cells_.size(); ++i)
            if (cells_[i].contains(event->position().toPoint()))
                current_ = static_cast<int>(i);
        update();
    }

private:
    std::vector<QImage> images_;
    QStringList captions_;
    std::vector<QRect> cells_;
    int zoom_ = 1;
    int current_ = 0;
};

namespace {

// Keeps the grid as wide as the scroll area's viewport.
class GridScrollArea final : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QScrollArea::resizeEvent(event);
        if (auto* grid = dynamic_cast<FrameGrid*>(widget()))
            grid->Relayout();
    }
};

}  // namespace

SpriteFramesView::SpriteFramesView(Sprite sprite, const ChunkTable& chunks, std::uint16_t spriteId,
                                   QWidget* parent)
    : InspectorView(parent),
      sprite_(std::move(sprite)),
      zoom_(new QComboBox(this)),
      channels_(new QComboBox(this))
{
    for (std::size_t i = 0; i < sprite_.frames.size(); ++i) {
        PaletteChoice choice = ChoosePalette(chunks, spriteId, sprite_, sprite_.frames[i]);
        palettes_.push_back(std::move(choice.palette));
        const QString note = QString::fromStdString(choice.note);
        if (!notes_.contains(note))
            notes_ << note;
        if (!sprite_.frames[i].problem.empty())
            notes_ << QStringLiteral("Frame %1: %2")
                          .arg(i)
                          .arg(QString::fromStdString(sprite_.frames[i].problem));
        if (UsesMissingColours(sprite_.frames[i], palettes_.back()))
            notes_ << QStringLiteral("Frame %1 uses colours its palette lacks: drawn magenta.").arg(i);
    }

    zoom_->setObjectName(QStringLiteral("Zoom"));
    for (int zoom = 1; zoom <= 8; ++zoom)
        zoom_->addItem(QStringLiteral("%1x").arg(zoom), zoom);
    channels_->setObjectName(QStringLiteral("Channel"));
    channels_->addItem(QStringLiteral("Colour"), static_cast<int>(SpriteChannel::Colour));
    channels_->addItem(QStringLiteral("Depth"), static_cast<int>(SpriteChannel::Depth));
    channels_->addItem(QStringLiteral("Alpha"), static_cast<int>(SpriteChannel::Alpha));
    channels_->setVisible(sprite_.kind == SpriteKind::WithDepth);

    auto* scroll = new GridScrollArea(this);
    grid_ = new FrameGrid(scroll);
    scroll->setWidget(grid_);
    scroll->setWidgetResizable(false);
    auto* tools = new QHBoxLayout;
    tools->addWidget(zoom_);
    tools->addWidget(channels_);
    tools->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(tools);
    layout->addWidget(scroll);
    connect(zoom_, &QComboBox::currentIndexChanged, this, [this] { Render(); });
    connect(channels_, &QComboBox::currentIndexChanged, this,
            [this](int at) { SetChannel(static_cast<SpriteChannel>(channels_->itemData(at).toInt())); });
    Render();
}

void SpriteFramesView::SetZoom(int zoom) { zoom_->setCurrentIndex(std::clamp(zoom, 1, 8) - 1); }

void SpriteFramesView::SetChannel(SpriteChannel channel)
{
    channel_ = channel;
    channels_->setCurrentIndex(static_cast<int>(channel));
    Render();
}

int SpriteFramesView::CurrentFrame() const { return grid_->Current(); }

void SpriteFramesView::Render()
{
    QStringList captions;
    for (std::size_t i = 0; i < sprite_.frames.size(); ++i) {
        const SpriteFrame& frame = sprite_.frames[i];
        captions << QStringLiteral("%1: %2 x %3%4")
                        .arg(i)
                        .arg(frame.width)
                        .arg(frame.height)
                        .arg(frame.problem.empty() ? QString() : QStringLiteral(" (!)"));
    }
    grid_->SetFrames(Frames(), captions, zoom_->currentData().toInt());
}

QString SpriteFramesView::Note() const { return notes_.join(u'\n'); }

std::vector<QImage> SpriteFramesView::Frames() const
{
    std::vector<QImage> images;
    for (std::size_t i = 0; i < sprite_.frames.size(); ++i)
        images.push_back(FrameImage(sprite_.frames[i], palettes_[i], channel_));
    return images;
}

QImage SpriteFramesView::CurrentPicture() const
{
    const auto current = static_cast<std::size_t>(CurrentFrame());
    return current < sprite_.frames.size() ? FrameImage(sprite_.frames[current], palettes_[current], channel_)
                                           : QImage();
}

void SpriteFramesView::Copy() const
{
    if (const QImage picture = CurrentPicture(); !picture.isNull())
        QApplication::clipboard()->setImage(picture);
}

}  // namespace tarnwick
