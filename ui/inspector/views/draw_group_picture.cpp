#include "ui/inspector/views/draw_group_picture.h"

#include <cstring>

#include "model/container/chunk_types.h"
#include "model/decoders/linked_chunks.h"

namespace tarnwick {

namespace {

QImage Refuse(QString* why, const QString& reason)
{
    if (why != nullptr)
        *why = reason;
    return {};
}

}  // namespace

QImage CompositeToImage(const Composite& composite)
{
    const auto area = static_cast<std::size_t>(composite.width) * static_cast<std::size_t>(composite.height);
    if (area == 0 || composite.pixels.size() != area)
        return {};
    // The composite's straight-alpha 0xAARRGGBB words are this format's pixels.
    QImage image(composite.width, composite.height, QImage::Format_ARGB32);
    const auto rowBytes = static_cast<std::size_t>(composite.width) * sizeof(std::uint32_t);
    for (int y = 0; y < composite.height; ++y)
        std::memcpy(
            image.scanLine(y),
            composite.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(composite.width),
            rowBytes);
    return image;
}

QImage DrawGroupThumbnail(const ChunkTable& chunks, std::uint32_t drawGroupId, QString* why)
{
    const std::optional<Decoded<DrawGroup>> group =
        DecodeLinked(chunks, chunk_type::kDrawGroup, drawGroupId, DecodeDrawGroup);
    if (!group)
        return Refuse(why, QStringLiteral("The file has no DGRP %1.").arg(drawGroupId));
    if (!group->value)
        return Refuse(
            why, QStringLiteral("DGRP %1: %2").arg(drawGroupId).arg(QString::fromStdString(group->declined)));
    std::optional<std::size_t> image = FindImage(*group->value, kDrawGroupDirections[0], kNearZoom);
    for (std::size_t i = 0; !image && i < group->value->images.size(); ++i)
        if (group->value->images[i].zoom == kNearZoom)
            image = i;
    if (!image)
        return Refuse(why, QStringLiteral("DGRP %1 has no image at the near zoom.").arg(drawGroupId));
    const Decoded<Composite> composite = DrawGroupCompositor(chunks).Compose(group->value->images[*image]);
    if (!composite.value)
        return Refuse(
            why,
            QStringLiteral("DGRP %1: %2").arg(drawGroupId).arg(QString::fromStdString(composite.declined)));
    QImage picture = CompositeToImage(*composite.value);
    if (picture.isNull())
        return Refuse(why, QStringLiteral("DGRP %1 draws nothing at the near zoom.").arg(drawGroupId));
    return picture;
}

}  // namespace tarnwick
