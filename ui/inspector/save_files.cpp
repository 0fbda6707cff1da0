#include "ui/inspector/save_files.h"

#include <QDir>
#include <QPainter>
#include <QSaveFile>
#include <functional>

namespace tarnwick {

namespace {

QString Write(const QString& path, const std::function<bool(QSaveFile&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!write(file)) {
        QString why = file.error() != QFileDevice::NoError
                          ? file.errorString()
                          : QStringLiteral("The contents could not be encoded.");
        file.cancelWriting();
        return why;
    }
    return file.commit() ? QString() : file.errorString();
}

}  // namespace

QString SaveBytes(const QString& path, ByteSpan bytes)
{
    return Write(path, [&](QSaveFile& file) {
        const auto size = static_cast<qint64>(bytes.size());
        return file.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
    });
}

QString SaveText(const QString& path, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return Write(path, [&](QSaveFile& file) { return file.write(utf8) == utf8.size(); });
}

QString SaveImage(const QString& path, const QImage& image)
{
    if (image.isNull())
        return QStringLiteral("There is no picture to save.");
    if (!path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return Write(path, [&](QSaveFile& file) { return image.save(&file, "PNG"); });
    // A BMP keeps no transparency: what is see-through lies on white instead
    // of whatever colour its pixels happen to hold.
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter(&opaque).drawImage(0, 0, image);
    return Write(path, [&](QSaveFile& file) { return opaque.save(&file, "BMP"); });
}

QStringList FrameFileNames(const QString& stem, const std::vector<QImage>& frames)
{
    QStringList names;
    for (std::size_t i = 0; i < frames.size(); ++i)
        if (!frames[i].isNull())
            names << QStringLiteral("%1-%2.png").arg(stem).arg(i, 3, 10, QLatin1Char('0'));
    return names;
}

QString SaveFrames(const QString& folder, const QString& stem, const std::vector<QImage>& frames)
{
    const QDir dir(folder);
    const QStringList names = FrameFileNames(stem, frames);
    int written = 0;
    for (const QImage& frame : frames) {
        if (frame.isNull())
            continue;
        const QString path = dir.filePath(names[written++]);
        if (const QString why = SaveImage(path, frame); !why.isEmpty())
            return QDir::toNativeSeparators(path) + QStringLiteral(": ") + why;
    }
    return written == 0 ? QStringLiteral("Every frame is blank: there is no picture to save.") : QString();
}

QImage SpriteSheet(const std::vector<QImage>& frames)
{
    int width = 0, height = 0;
    for (const QImage& frame : frames) {
        width += frame.width();
        height = std::max(height, frame.height());
    }
    if (width == 0 || height == 0)
        return {};
    QImage sheet(width, height, QImage::Format_ARGB32);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    int x = 0;
    for (const QImage& frame : frames) {
        painter.drawImage(x, 0, frame);
        x += frame.width();
    }
    return sheet;
}

}  // namespace tarnwick
