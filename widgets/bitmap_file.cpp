#include "widgets/bitmap_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QScopeGuard>
#include <QTemporaryFile>
#include <cstdlib>
#include <memory>
#include <optional>

#include "model/decoders/bmp_header.h"

namespace tarnwick {

namespace {

bool WriteAll(QFile& file, std::span<const std::uint8_t> bytes)
{
    const auto size = static_cast<qint64>(bytes.size());
    return file.write(reinterpret_cast<const char*>(bytes.data()), size) == size && file.flush();
}

// "temp.bmp" in the folder, created by us alone, or nothing.
std::unique_ptr<QFile> CreateInFolder(const QString& folder)
{
    auto file = std::make_unique<QFile>(QDir(folder).filePath(QStringLiteral("temp.bmp")));
    if (!file->open(QIODevice::ReadWrite | QIODevice::NewOnly))
        return nullptr;
    return file;
}

std::unique_ptr<QFile> CreateInTemporaryFolder()
{
    auto file = std::make_unique<QTemporaryFile>(
        QDir(QDir::tempPath()).filePath(QStringLiteral("tarnwick-XXXXXX.bmp")));
    if (!file->open())
        return nullptr;
    return file;
}

// Whether the picture loader would take on a picture of this size: it refuses
// one larger than its allocation limit, and checking first saves writing it.
bool WithinTheLoadersLimit(const BmpHeader& header)
{
    const qint64 limit = qint64{QImageReader::allocationLimit()} * 1024 * 1024;
    const qint64 bytesPerPixel = header.BitsPerPixel <= 8 ? 1 : 4;
    const qint64 width = std::abs(qint64{header.Width});
    const qint64 height = std::abs(qint64{header.Height});
    return limit == 0 || width * height <= limit / bytesPerPixel;
}

// Reads the picture from the file. A compressed picture is read into a
// zero-filled image of its size, which the loader keeps: pixels its data never
// reaches show colour 0, not whatever memory held. Should the loader make an
// image of its own instead, its unwritten pixels would be undefined, so the
// picture is declined.
QImage ReadPicture(QIODevice& file, const BmpHeader& header)
{
    QImageReader reader(&file, "bmp");
    reader.setDecideFormatFromContent(false);
    if (!header.RunLengthEncoded())
        return reader.read();
    QImage image(static_cast<int>(std::abs(qint64{header.Width})),
                 static_cast<int>(std::abs(qint64{header.Height})), QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    image.fill(0);
    const uchar* background = image.constBits();
    if (!reader.read(&image) || image.constBits() != background)
        return {};
    return image;
}

// Writes the bytes to the new file and decodes them back from it, through the
// same open file, so nothing put in its place meanwhile is read; the file is
// removed on every way out. Nothing when the file cannot be made or written.
std::optional<QImage> DecodeThrough(std::unique_ptr<QFile> file, std::span<const std::uint8_t> bytes,
                                    const BmpHeader& header)
{
    if (!file)
        return std::nullopt;
    const auto remove = qScopeGuard([&] { file->remove(); });
    if (!WriteAll(*file, bytes) || !file->seek(0))
        return std::nullopt;
    return ReadPicture(*file, header);
}

}  // namespace

QImage DecodeBitmapThroughFile(std::span<const std::uint8_t> bytes, const QString& folder)
{
    // The headers are checked before anything is written, and only the bytes
    // they describe are.
    const std::optional<BmpHeader> header = ReadBmpHeader(bytes);
    const std::optional<std::size_t> length = header ? BmpLength(*header, bytes.size()) : std::nullopt;
    if (!length || !WithinTheLoadersLimit(*header))
        return {};
    const auto picture = bytes.first(*length);
    if (auto image = DecodeThrough(CreateInFolder(folder), picture, *header))
        return *image;
    return DecodeThrough(CreateInTemporaryFolder(), picture, *header).value_or(QImage());
}

QImage DecodeBitmapInMemory(std::span<const std::uint8_t> bytes, int maxSide, QString& problem)
{
    const std::optional<BmpHeader> header = ReadBmpHeader(bytes);
    const std::optional<std::size_t> length = header ? BmpLength(*header, bytes.size()) : std::nullopt;
    if (!length) {
        problem = QStringLiteral("No BMP picture, or one whose headers do not fit its data.");
        return {};
    }
    // The size comes from the header alone: nothing is allocated for a picture declined.
    if (std::abs(qint64{header->Width}) > maxSide || std::abs(qint64{header->Height}) > maxSide) {
        problem = QStringLiteral("The picture is %1 x %2 pixels: more than %3 a side.")
                      .arg(std::abs(qint64{header->Width}))
                      .arg(std::abs(qint64{header->Height}))
                      .arg(maxSide);
        return {};
    }
    QByteArray data =
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(*length));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImage image = ReadPicture(buffer, *header);
    if (image.isNull())
        problem = QStringLiteral("The BMP picture cannot be read.");
    return image;
}

}  // namespace tarnwick
