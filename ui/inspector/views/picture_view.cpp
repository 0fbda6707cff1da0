#include "ui/inspector/views/picture_view.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace tarnwick {

PictureView::PictureView(QImage picture, QWidget* parent)
    : InspectorView(parent), picture_(std::move(picture)), zoom_(new QComboBox(this)), canvas_(new QLabel)
{
    zoom_->setObjectName(QStringLiteral("Zoom"));
    for (int zoom = 1; zoom <= 8; ++zoom)
        zoom_->addItem(QStringLiteral("%1x").arg(zoom), zoom);
    canvas_->setObjectName(QStringLiteral("Canvas"));
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(canvas_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(zoom_, 0, Qt::AlignLeft);
    layout->addWidget(scroll);
    connect(zoom_, &QComboBox::currentIndexChanged, this, [this] { Render(); });
    Render();
}

void PictureView::SetZoom(int zoom) { zoom_->setCurrentIndex(std::clamp(zoom, 1, 8) - 1); }

void PictureView::Render()
{
    const int zoom = zoom_->currentData().toInt();
    canvas_->setPixmap(QPixmap::fromImage(
        picture_.scaled(picture_.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    canvas_->adjustSize();
}

QString PictureView::Note() const
{
    return QStringLiteral("%1 x %2 pixels.").arg(picture_.width()).arg(picture_.height());
}

void PictureView::Copy() const { QApplication::clipboard()->setImage(picture_); }

}  // namespace tarnwick
