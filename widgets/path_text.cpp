#include "widgets/path_text.h"

#include "model/text/windows1252.h"

namespace tarnwick {

namespace {

constexpr char16_t kEscapedByte = 0xDC00;  // + the byte, 0x80..0xFF

}  // namespace

QString PathFromBytes(std::string_view bytes)
{
    QString path;
    path.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(bytes.substr(at));
        if (length == 0) {
            path += QChar(static_cast<char16_t>(kEscapedByte + static_cast<unsigned char>(bytes[at])));
            ++at;
        } else {
            path += QString::fromUtf8(bytes.data() + at, static_cast<qsizetype>(length));
            at += length;
        }
    }
    return path;
}

std::string PathBytes(const QString& path)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(path.size()));
    qsizetype plainFrom = 0;
    const auto flushPlain = [&](qsizetype to) { bytes += path.mid(plainFrom, to - plainFrom).toStdString(); };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path[i].unicode();
        const bool afterHigh = i > 0 && path[i - 1].isHighSurrogate();
        if (unit >= kEscapedByte + 0x80 && unit <= kEscapedByte + 0xFF && !afterHigh) {
            flushPlain(i);
            bytes += static_cast<char>(unit - kEscapedByte);
            plainFrom = i + 1;
        }
    }
    flushPlain(path.size());
    return bytes;
}

QString ShownName(std::string_view bytes) { return QString::fromStdString(FileNameToUtf8(bytes)); }

QString ShownName(const QString& name) { return ShownName(PathBytes(name)); }

}  // namespace tarnwick
