#include "synth/text_table_builder.h"

namespace tarnwick::fixtures {

namespace {

void AppendU16Le(Bytes& out, std::size_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void AppendZeroEnded(Bytes& out, const std::string& text)
{
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

void AppendSevenBit(Bytes& out, const std::string& text)
{
    std::size_t length = text.size();
    do {
        out.push_back(static_cast<std::uint8_t>((length & 0x7F) | (length > 0x7F ? 0x80 : 0)));
        length >>= 7;
    } while (length != 0);
    out.insert(out.end(), text.begin(), text.end());
}

}  // namespace

Bytes TextTableBody(TextTableLayout layout, const std::vector<TextRecord>& records, bool littleEndianCount)
{
    Bytes out;
    switch (layout) {
    case TextTableLayout::Pascal:
        if (littleEndianCount)
            AppendU16Le(out, records.size());
        else
            out = {static_cast<std::uint8_t>(records.size() >> 8), static_cast<std::uint8_t>(records.size())};
        for (const TextRecord& record : records) {
            out.push_back(static_cast<std::uint8_t>(record.value.size()));
            out.insert(out.end(), record.value.begin(), record.value.end());
        }
        return out;
    case TextTableLayout::Plain:
    case TextTableLayout::WithComments:
    case TextTableLayout::Languages: {
        const std::uint8_t code = layout == TextTableLayout::Plain          ? 0xFF
                                  : layout == TextTableLayout::WithComments ? 0xFE
                                                                            : 0xFD;
        out = {code, 0xFF};
        AppendU16Le(out, records.size());
        for (const TextRecord& record : records) {
            if (layout == TextTableLayout::Languages)
                out.push_back(static_cast<std::uint8_t>(record.language));
            AppendZeroEnded(out, record.value);
            if (layout != TextTableLayout::Plain)
                AppendZeroEnded(out, record.comment);
        }
        return out;
    }
    case TextTableLayout::LanguageSets:
        out = {0xFC, 0xFF, 20};
        for (int language = 1; language <= 20; ++language) {
            Bytes set;
            std::size_t count = 0;
            for (const TextRecord& record : records) {
                if (record.language != language)
                    continue;
                ++count;
                set.push_back(static_cast<std::uint8_t>(language - 1));
                AppendSevenBit(set, record.value);
                AppendSevenBit(set, record.comment);
            }
            AppendU16Le(out, count);
            out.insert(out.end(), set.begin(), set.end());
        }
        return out;
    }
    return out;
}

}  // namespace tarnwick::fixtures
