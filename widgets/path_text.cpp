#include "widgets/path_text.h"

#include "model/windows1252.h"

namespace tarnwick {

namespace {

constexpr char16_t kEscapedByte = 0xDC00;  // + the byte, 0x80..0xFF

// The length of the well-formed UTF-8 sequence at the start of `bytes`, or 0.
std::size_t Utf8Length(std::string_view bytes)
{
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byteAt(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() < length || byteAt(1) < low || byteAt(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byteAt(i) < 0x80 || byteAt(i) > 0xBF)
            return 0;
    return length;
}

}  // namespace

QString PathFromBytes(std::string_view bytes)
{
    QString path;
    path.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = Utf8Length(bytes.substr(at));
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
