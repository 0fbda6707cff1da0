#include "ui/inspector/views/palette_view.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tarnwick {

namespace {

constexpr int kColumns = 16;
constexpr QSize kSwatch(58, 44);

QString ColourName(std::uint32_t colour) { return QColor::fromRgb(colour).name(); }

class SwatchGrid final : public QWidget {
public:
    SwatchGrid(const Palette& palette, QWidget* parent) : QWidget(parent), palette_(palette)
    {
        const int rows = (static_cast<int>(palette.colours.size()) + kColumns - 1) / kColumns;
        setFixedSize(kColumns * kSwatch.width(), std::max(rows, 1) * kSwatch.height());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        QFont small = font();
        small.setPointSizeF(std::max(6.0, small.pointSizeF() - 1));
        painter.setFont(small);
        for (std::size_t i = 0; i < palette_.colours.size(); ++i) {
            const int column = static_cast<int>(i) % kColumns, row = static_cast<int>(i) / kColumns;
            const QRect cell(column * kSwatch.width(), row * kSwatch.height(), kSwatch.width(),
                             kSwatch.height());
            const QColor colour = QColor::fromRgb(palette_.colours[i]);
            const QRect swatch = cell.adjusted(2, 2, -2, -16);
            painter.fillRect(swatch, colour);
            painter.setPen(Qt::black);
            painter.drawRect(swatch.adjusted(0, 0, -1, -1));
            painter.setPen(colour.lightness() > 128 ? Qt::black : Qt::white);
            painter.drawText(swatch, Qt::AlignCenter, QString::number(i));
            painter.setPen(palette().windowText().color());
            painter.drawText(cell.adjusted(0, cell.height() - 15, 0, 0), Qt::AlignCenter,
                             ColourName(palette_.colours[i]));
        }
    }

private:
    const Palette& palette_;
};

}  // namespace

PaletteView::PaletteView(Palette palette, QWidget* parent)
    : InspectorView(parent), palette_(std::move(palette))
{
    grid_ = new SwatchGrid(palette_, this);
    grid_->setObjectName(QStringLiteral("Swatches"));
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(grid_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

QString PaletteView::Note() const
{
    QString note =
        QStringLiteral("%1 colours, version %2.").arg(palette_.colours.size()).arg(palette_.version);
    if (!palette_.warning.empty())
        note += u' ' + QString::fromStdString(palette_.warning);
    return note;
}

void PaletteView::Copy() const { QApplication::clipboard()->setText(TableText()); }

QImage PaletteView::CurrentPicture() const { return grid_->grab().toImage(); }

QString PaletteView::TableText() const
{
    QString text;
    for (std::size_t i = 0; i < palette_.colours.size(); ++i)
        text += QString::number(i) + u'\t' + ColourName(palette_.colours[i]) + u'\n';
    return text;
}

}  // namespace tarnwick
