#include "ui/inspector/views/draw_group_picture.h"

#include <cstring>

#include "model/decoders/object_picture.h"

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
    const CataloguePicture picture = ComposeDrawGroupPicture(chunks, drawGroupId);
    if (!picture.picture)
        return Refuse(why, PictureLines(picture.notes).join(u'\n'));
    return CompositeToImage(*picture.picture);
}

QStringList PictureLines(const std::vector<std::string>& notes)
{
    QStringList lines;
    for (const std::string& note : notes)
        lines << QString::fromStdString(note);
    return lines;
}

}  // namespace tarnwick
