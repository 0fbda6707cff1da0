#include "ui/inspector/views/draw_group_view.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "model/decoders/draw_group_composite.h"
#include "ui/inspector/checkerboard.h"
#include "ui/inspector/views/draw_group_picture.h"

namespace tarnwick {

namespace {

constexpr int kLabelWidth = 60;
constexpr int kHeaderHeight = 22;
constexpr int kSpacing = 8;
constexpr int kMinCellSide = 40;
constexpr int kMaxLargeScale = 8;
constexpr qsizetype kMaxNoteLines = 10;
const char* const kZoomNames[] = {"Near", "Middle", "Far"};

QString Hex(std::uint32_t value) { return QStringLiteral("0x%1").arg(value, 2, 16, QLatin1Char('0')); }

// Where a view sits in the list of twelve: rows from the near zoom.
std::size_t ViewIndex(int rotation, int zoomRow)
{
    return static_cast<std::size_t>(zoomRow) * DrawGroupView::kRotations + static_cast<std::size_t>(rotation);
}

QString HeaderText(int rotation) { return QStringLiteral("Rotation ") + Hex(kDrawGroupDirections[rotation]); }

QString CellName(int rotation, int zoomRow)
{
    return QStringLiteral("%1, rotation %2")
        .arg(QLatin1String(kZoomNames[zoomRow]))
        .arg(Hex(kDrawGroupDirections[rotation]));
}

QStringList GroupNotes(const DrawGroup& group)
{
    QStringList notes;
    if (!group.warning.empty())
        notes << QString::fromStdString(group.warning);
    for (const std::string& note : UnshownImageNotes(group))
        notes << QString::fromStdString(note);
    return notes;
}

}  // namespace

// The twelve images at their own size: a column a rotation, a row a zoom.
class DrawGroupGrid final : public QWidget {
public:
    DrawGroupGrid(const std::vector<QImage>& images, std::function<void(int, int)> picked, QWidget* parent)
        : QWidget(parent),
          images_(images),
          picked_(std::move(picked)),
          widths_(DrawGroupView::kRotations, kMinCellSide),
          heights_(DrawGroupView::kZooms, kMinCellSide)
    {
        setObjectName(QStringLiteral("Grid"));
        // A column at least as wide as its header, so that empty ones keep theirs apart.
        for (int column = 0; column < DrawGroupView::kRotations; ++column)
            widths_[static_cast<std::size_t>(column)] =
                std::max(kMinCellSide, fontMetrics().horizontalAdvance(HeaderText(column)) + kSpacing);
        for (int row = 0; row < DrawGroupView::kZooms; ++row)
            for (int column = 0; column < DrawGroupView::kRotations; ++column) {
                const QSize size = Image(column, row).size();
                widths_[static_cast<std::size_t>(column)] =
                    std::max(widths_[static_cast<std::size_t>(column)], size.width());
                heights_[static_cast<std::size_t>(row)] =
                    std::max(heights_[static_cast<std::size_t>(row)], size.height());
            }
        const QRect last = Cell(DrawGroupView::kRotations - 1, DrawGroupView::kZooms - 1);
        setFixedSize(last.right() + kSpacing, last.bottom() + kSpacing);
    }

    void SetCurrent(int rotation, int zoomRow)
    {
        current_ = {rotation, zoomRow};
        update();
    }

    // The cell of a rotation and zoom row, its picture bottom-aligned and centred in it.
    [[nodiscard]] QRect Cell(int rotation, int zoomRow) const
    {
        int x = kLabelWidth, y = kHeaderHeight;
        for (int column = 0; column < rotation; ++column)
            x += widths_[static_cast<std::size_t>(column)] + kSpacing;
        for (int row = 0; row < zoomRow; ++row)
            y += heights_[static_cast<std::size_t>(row)] + kSpacing;
        return {x, y, widths_[static_cast<std::size_t>(rotation)],
                heights_[static_cast<std::size_t>(zoomRow)]};
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor text = palette().windowText().color();
        for (int column = 0; column < DrawGroupView::kRotations; ++column) {
            const QRect cell = Cell(column, 0);
            painter.setPen(text);
            painter.drawText(QRect(cell.left(), 0, cell.width(), kHeaderHeight), Qt::AlignCenter,
                             HeaderText(column));
        }
        for (int row = 0; row < DrawGroupView::kZooms; ++row) {
            const QRect cell = Cell(0, row);
            painter.setPen(text);
            painter.drawText(QRect(0, cell.top(), kLabelWidth - kSpacing, cell.height()),
                             Qt::AlignRight | Qt::AlignVCenter, QLatin1String(kZoomNames[row]));
            for (int column = 0; column < DrawGroupView::kRotations; ++column)
                PaintCell(painter, column, row);
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        for (int row = 0; row < DrawGroupView::kZooms; ++row)
            for (int column = 0; column < DrawGroupView::kRotations; ++column)
                if (Cell(column, row).contains(event->position().toPoint()))
                    picked_(column, row);
    }

private:
    [[nodiscard]] const QImage& Image(int rotation, int zoomRow) const
    {
        return images_[ViewIndex(rotation, zoomRow)];
    }

    void PaintCell(QPainter& painter, int rotation, int zoomRow) const
    {
        const QRect cell = Cell(rotation, zoomRow);
        const QImage& image = Image(rotation, zoomRow);
        if (image.isNull()) {
            painter.setPen(QPen(palette().mid().color(), 1, Qt::DashLine));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            painter.drawText(cell, Qt::AlignCenter, QStringLiteral("none"));
        } else {
            const QRect picture(cell.left() + (cell.width() - image.width()) / 2,
                                cell.bottom() + 1 - image.height(), image.width(), image.height());
            painter.fillRect(picture, Checkerboard());
            painter.drawImage(picture, image);
        }
        if (current_ == QPoint(rotation, zoomRow)) {
            painter.setPen(QPen(palette().highlight().color(), 2));
            painter.drawRect(cell.adjusted(-2, -2, 2, 2));
        }
    }

    const std::vector<QImage>& images_;
    std::function<void(int, int)> picked_;
    std::vector<int> widths_;   // a column's
    std::vector<int> heights_;  // a row's
    QPoint current_;            // rotation, zoom row
};

// One picture as large as whole multiples of its pixels fit, over a checkerboard.
class ZoomedPicture final : public QWidget {
public:
    explicit ZoomedPicture(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Large"));
        setMinimumSize(120, 120);
    }

    void SetImage(QImage image)
    {
        image_ = std::move(image);
        update();
    }
    [[nodiscard]] int Scale() const
    {
        if (image_.isNull())
            return 1;
        return std::clamp(std::min(width() / image_.width(), height() / image_.height()), 1, kMaxLargeScale);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (image_.isNull()) {
            painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("The draw group has no image here."));
            return;
        }
        const QSize size = image_.size() * Scale();
        const QRect picture(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.fillRect(picture, Checkerboard());
        painter.drawImage(picture, image_);
    }

private:
    QImage image_;
};

DrawGroupView::DrawGroupView(const DrawGroup& group, const ChunkTable& chunks, QWidget* parent)
    : DrawGroupView(ComposeViews(group, chunks), GroupNotes(group), parent)
{
}

DrawGroupView::DrawGroupView(const std::vector<std::optional<Decoded<Composite>>>& views, QStringList notes,
                             QWidget* parent)
    : InspectorView(parent),
      images_(std::size_t{kRotations} * kZooms),
      notes_(std::move(notes)),
      caption_(new QLabel(this))
{
    QStringList palettes;
    for (std::size_t cell = 0; cell < views.size() && cell < images_.size(); ++cell) {
        if (!views[cell])
            continue;
        const auto at = static_cast<int>(cell);
        const QString where = CellName(at % kRotations, at / kRotations) + QStringLiteral(": ");
        const Decoded<Composite>& composite = *views[cell];
        if (!composite.value) {
            notes_ << where + QString::fromStdString(composite.declined);
            continue;
        }
        images_[cell] = CompositeToImage(*composite.value);
        for (const std::string& warning : composite.value->warnings)
            notes_ << where + QString::fromStdString(warning) + u'.';
        for (const std::string& note : composite.value->palettes)
            if (!palettes.contains(QString::fromStdString(note)))
                palettes << QString::fromStdString(note);
    }
    notes_ << palettes;

    auto* scroll = new QScrollArea;
    scroll->setFocusPolicy(Qt::NoFocus);
    grid_ = new DrawGroupGrid(
        images_,
        [this](int rotation, int zoomRow) {
            Pick(rotation, zoomRow);
            setFocus();
        },
        scroll);
    scroll->setWidget(grid_);
    large_ = new ZoomedPicture(this);
    auto* split = new QSplitter;
    split->addWidget(scroll);
    split->addWidget(large_);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 1);
    // The grid whole where there is room (with a scroll bar's width to spare),
    // the large view a third of the width where there is not.
    const int gridWidth =
        grid_->width() + 2 * scroll->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    split->setSizes({gridWidth, gridWidth / 2});

    const auto button = [this](const char* name, const QString& text, const QString& tip, int key) {
        auto* pushed = new QPushButton(text, this);
        pushed->setObjectName(QLatin1String(name));
        pushed->setToolTip(tip);
        pushed->setFocusPolicy(Qt::NoFocus);  // the arrow keys stay with the view
        connect(pushed, &QPushButton::clicked, this, [this, key] {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            keyPressEvent(&press);
        });
        return pushed;
    };
    auto* tools = new QHBoxLayout;
    tools->addWidget(button("TurnLeft", QStringLiteral("Turn left"),
                            QStringLiteral("Previous rotation (Left)"), Qt::Key_Left));
    tools->addWidget(button("TurnRight", QStringLiteral("Turn right"),
                            QStringLiteral("Next rotation (Right)"), Qt::Key_Right));
    tools->addWidget(
        button("ZoomIn", QStringLiteral("Nearer"), QStringLiteral("Nearer zoom (Up)"), Qt::Key_Up));
    tools->addWidget(
        button("ZoomOut", QStringLiteral("Farther"), QStringLiteral("Farther zoom (Down)"), Qt::Key_Down));
    caption_->setObjectName(QStringLiteral("Caption"));
    tools->addWidget(caption_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(tools);
    layout->addWidget(split, 1);
    setFocusPolicy(Qt::StrongFocus);
    Pick(0, 0);
}

void DrawGroupView::Pick(int rotation, int zoomRow)
{
    rotation_ = std::clamp(rotation, 0, kRotations - 1);
    zoomRow_ = std::clamp(zoomRow, 0, kZooms - 1);
    grid_->SetCurrent(rotation_, zoomRow_);
    const QImage picture = CurrentPicture();
    large_->SetImage(picture);
    const QString name = QStringLiteral("Rotation %1, %2 zoom")
                             .arg(Hex(kDrawGroupDirections[rotation_]))
                             .arg(QString::fromLatin1(kZoomNames[zoomRow_]).toLower());
    caption_->setText(
        picture.isNull()
            ? name + QStringLiteral(": none")
            : QStringLiteral("%1: %2 x %3 pixels").arg(name).arg(picture.width()).arg(picture.height()));
}

void DrawGroupView::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & ~Qt::KeypadModifier) {
        InspectorView::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        Pick((rotation_ + kRotations - 1) % kRotations, zoomRow_);
        break;
    case Qt::Key_Right:
        Pick((rotation_ + 1) % kRotations, zoomRow_);
        break;
    case Qt::Key_Up:
        Pick(rotation_, zoomRow_ - 1);
        break;
    case Qt::Key_Down:
        Pick(rotation_, zoomRow_ + 1);
        break;
    default:
        InspectorView::keyPressEvent(event);
    }
}

QString DrawGroupView::Note() const
{
    if (notes_.size() <= kMaxNoteLines)
        return notes_.join(u'\n');
    return notes_.first(kMaxNoteLines - 1).join(u'\n') +
           QStringLiteral("\n... and %1 more.").arg(notes_.size() - kMaxNoteLines + 1);
}

QImage DrawGroupView::CurrentPicture() const { return images_[ViewIndex(rotation_, zoomRow_)]; }

void DrawGroupView::Copy() const
{
    if (const QImage picture = CurrentPicture(); !picture.isNull())
        QApplication::clipboard()->setImage(picture);
}

}  // namespace tarnwick
