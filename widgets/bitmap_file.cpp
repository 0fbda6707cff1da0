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

#include "model/byte_reader.h"

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
    auto file = std::make_unique<QTemporaryFile>(QDir(QDir::tempPath()).filePath(QStringLiteral("tarnwick-XXXXXX.bmp")));
    if (!file->open())
        return nullptr;
    return file;
}

std::uint32_t ReadLe(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t length)
{
    ByteReader reader(bytes, at);
    return length == 2 ? reader.U16le().value_or(0) : reader.U32le().value_or(0);
}

// Whether an uncompressed bitmap's rows run past the end of its bytes. The
// picture loader fills missing rows in silently; a cut-short file would then
// show a picture that is not in it.
bool RowsCutShort(std::span<const std::uint8_t> bytes)
{
    constexpr std::size_t kInfoAt = 14;
    if (bytes.size() < kInfoAt + 16)
        return false;  // too short for the loader anyway
    const std::uint32_t pixelsAt = ReadLe(bytes, 10, 4);
    const std::uint32_t infoSize = ReadLe(bytes, kInfoAt, 4);
    std::int64_t width = 0, height = 0, bitsPerPixel = 0, compression = 0;
    if (infoSize == 12) {  // the old core header: 16-bit sizes
        width = static_cast<std::int16_t>(ReadLe(bytes, 18, 2));
        height = static_cast<std::int16_t>(ReadLe(bytes, 20, 2));
        bitsPerPixel = ReadLe(bytes, 24, 2);
    } else if (infoSize >= 40 && bytes.size() >= kInfoAt + 20) {
        width = static_cast<std::int32_t>(ReadLe(bytes, 18, 4));
        height = static_cast<std::int32_t>(ReadLe(bytes, 22, 4));
        bitsPerPixel = ReadLe(bytes, 28, 2);
        compression = ReadLe(bytes, 30, 4);
    } else {
        return false;
    }
    constexpr std::int64_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
    if (compression != kRgb && compression != kBitFields && compression != kAlphaBitFields)
        return false;  // compressed rows have no fixed length
    const std::int64_t rowBytes = (std::abs(width) * bitsPerPixel + 31) / 32 * 4;
    const std::int64_t available = static_cast<std::int64_t>(bytes.size()) - std::int64_t{pixelsAt};
    if (rowBytes == 0 || height == 0)
        return false;
    // Divided rather than multiplied, so that huge sizes cannot overflow.
    return available < 0 || std::abs(height) > available / rowBytes;
}

// Writes the bytes to the new file and decodes them back from it, through the
// same open file, so nothing put in its place meanwhile is read; the file is
// removed on every way out. Nothing when the file cannot be made or written.
std::optional<QImage> DecodeThrough(std::unique_ptr<QFile> file, std::span<const std::uint8_t> bytes)
{
    if (!file)
        return std::nullopt;
    const auto remove = qScopeGuard([&] { file->remove(); });
    if (!WriteAll(*file, bytes) || !file->seek(0))
        return std::nullopt;
    QImageReader reader(file.get(), "bmp");
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

}  // namespace

QImage DecodeBitmapThroughFile(std::span<const std::uint8_t> bytes, const QString& folder)
{
    if (RowsCutShort(bytes))
        return {};
    if (auto image = DecodeThrough(CreateInFolder(folder), bytes))
        return *image;
    return DecodeThrough(CreateInTemporaryFolder(), bytes).value_or(QImage());
}

QImage DecodeBitmapInMemory(std::span<const std::uint8_t> bytes, int maxSide, QString& problem)
{
    if (RowsCutShort(bytes)) {
        problem = QStringLiteral("The picture's rows run past the end of its data.");
        return {};
    }
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    // The size comes from the header alone: nothing is allocated for a picture declined.
    const QSize size = reader.size();
    if (size.width() > maxSide || size.height() > maxSide) {
        problem = QStringLiteral("The picture is %1 x %2 pixels: more than %3 a side.")
                      .arg(size.width()).arg(size.height()).arg(maxSide);
        return {};
    }
    QImage image = reader.read();
    if (image.isNull())
        problem = QStringLiteral("No BMP picture: ") + reader.errorString();
    return image;
}

}  // namespace tarnwick
