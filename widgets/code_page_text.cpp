#include "widgets/code_page_text.h"

#include <QStringDecoder>
#include <array>
#include <optional>

#include "model/text/windows1252.h"

namespace tarnwick {

namespace {

constexpr std::size_t kCodePages = static_cast<std::size_t>(CodePage::Utf8) + 1;

// One decoder a code page, made on first use: opening an ICU converter costs
// more than decoding a string.
QStringDecoder& DecoderFor(CodePage codePage)
{
    static std::array<std::optional<QStringDecoder>, kCodePages> decoders;
    auto& decoder = decoders[static_cast<std::size_t>(codePage)];
    if (!decoder) {
        const std::string_view name = CodePageName(codePage);
        decoder.emplace(QByteArray(name.data(), static_cast<qsizetype>(name.size())).constData(),
                        QStringDecoder::Flag::Stateless);
    }
    return *decoder;
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsUtf8(std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t length = Utf8SequenceLength(bytes);
        if (length == 0)
            return false;
        bytes.remove_prefix(length);
    }
    return true;
}

}  // namespace

bool CodePageAvailable(CodePage codePage)
{
    return codePage == CodePage::Windows1252 || codePage == CodePage::Utf8 || DecoderFor(codePage).isValid();
}

CodePageDecoding DecodeCodePage(std::string_view bytes, CodePage codePage)
{
    if (codePage == CodePage::Windows1252)
        return {FromUtf8(Windows1252ToUtf8(bytes)), false};
    if (codePage == CodePage::Utf8)  // its valid sequences kept, the bytes between read as Windows-1252
        return IsUtf8(bytes) ? CodePageDecoding{FromUtf8(bytes), false}
                             : CodePageDecoding{FromUtf8(FileNameToUtf8(bytes)), true};
    if (CodePageAvailable(codePage)) {
        QStringDecoder& decoder = DecoderFor(codePage);
        decoder.resetState();
        QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
        if (!decoder.hasError())
            return {std::move(text), false};
    }
    return {FromUtf8(Windows1252ToUtf8(bytes)), true};
}

QString CodePageText(std::string_view bytes, CodePage codePage)
{
    return DecodeCodePage(bytes, codePage).text;
}

}  // namespace tarnwick
