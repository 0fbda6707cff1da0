#include "model/decoders/text_table.h"

#include <array>
#include <optional>

#include "model/container/byte_reader.h"

namespace tarnwick {

namespace {

TextEntry Entry(std::size_t index, int language, std::string value, std::string comment, CodePage codePage)
{
    return {index, language, std::move(value), std::move(comment), codePage};
}

std::string CutShort(std::size_t read, std::size_t declared)
{
    return "The data ends after " + std::to_string(read) + " of " + std::to_string(declared) + " strings.";
}

// A length of 7-bit groups, least significant first, while the top bit is set.
std::optional<std::size_t> SevenBitLength(ByteReader& reader)
{
    std::size_t length = 0;
    for (int shift = 0; shift < 35; shift += 7) {
        const auto byte = reader.U8();
        if (!byte)
            return std::nullopt;
        length |= std::size_t{*byte & 0x7Fu} << shift;
        if ((*byte & 0x80) == 0)
            return length;
    }
    return std::nullopt;  // longer than any table could be
}

std::optional<std::string> Utf8Text(ByteReader& reader)
{
    const auto length = SevenBitLength(reader);
    if (!length)
        return std::nullopt;
    const auto bytes = reader.Bytes(*length);
    if (!bytes)
        return std::nullopt;
    return BytesAsText(*bytes);
}

// The Pascal layout's strings read with `count` from `from`; nothing when they
// run past the end.
struct PascalReading {
    std::vector<TextEntry> entries;
    std::size_t end = 0;
};

std::optional<PascalReading> ReadPascal(ByteSpan body, std::size_t from, std::size_t count)
{
    ByteReader reader(body, from);
    // Each string needs its length byte at least.
    if (count > reader.Remaining())
        return std::nullopt;
    PascalReading reading;
    for (std::size_t i = 0; i < count; ++i) {
        const auto length = reader.U8();
        const auto text = length ? reader.Bytes(*length) : std::nullopt;
        if (!text)
            return std::nullopt;
        reading.entries.push_back(Entry(i, 1, BytesAsText(*text), {}, CodePage::Windows1252));
    }
    reading.end = reader.Position();
    return reading;
}

// The count is big-endian in the game's own files and little-endian in some
// written by other tools; a 00 00 code with a little-endian count after it
// is described too. The reading that ends exactly at the end wins, else the
// first that fits.
Decoded<TextTable> DecodePascal(ByteSpan body)
{
    const std::uint16_t bigEndian = ByteReader(body).U16be().value_or(0);
    const std::uint16_t littleEndian = ByteReader(body).U16le().value_or(0);
    const std::optional<std::uint16_t> afterZero =
        bigEndian == 0 ? ByteReader(body, 2).U16le() : std::nullopt;
    const std::array<std::pair<std::size_t, std::optional<std::uint16_t>>, 3> candidates = {
        {{2, bigEndian}, {2, littleEndian}, {4, afterZero}}};
    std::optional<PascalReading> firstFit;
    for (const auto& [from, count] : candidates) {
        if (!count)
            continue;
        auto reading = ReadPascal(body, from, *count);
        if (!reading)
            continue;
        if (reading->end == body.size())
            return Decoded<TextTable>::Of({TextTableLayout::Pascal, std::move(reading->entries), 0, {}});
        if (!firstFit)
            firstFit = std::move(reading);
    }
    if (!firstFit)
        return Decoded<TextTable>::Decline(
            "No reading of its string count fits the counted strings that follow.");
    const std::size_t trailing = body.size() - firstFit->end;
    return Decoded<TextTable>::Of({TextTableLayout::Pascal, std::move(firstFit->entries), trailing, {}});
}

// FF FF, FE FF and FD FF: zero-ended strings, `count` entries in all.
TextTable DecodeZeroEnded(ByteReader& reader, TextTableLayout layout, std::size_t count)
{
    TextTable table{layout, {}, 0, {}};
    std::array<std::size_t, 256> nextIndex{};  // per language byte
    for (std::size_t i = 0; i < count; ++i) {
        int language = 1;
        if (layout == TextTableLayout::Languages) {
            const auto code = reader.U8();
            if (!code)
                break;
            language = *code;
        }
        const auto value = reader.NulEndedText();
        if (!value)
            break;
        std::optional<ByteSpan> comment = ByteSpan{};
        if (layout != TextTableLayout::Plain && !(comment = reader.NulEndedText()))
            break;
        const std::size_t index = nextIndex[static_cast<std::size_t>(language)]++;
        table.entries.push_back(
            Entry(index, language, BytesAsText(*value), BytesAsText(*comment), LanguageCodePage(language)));
    }
    if (table.entries.size() < count)
        table.warning = CutShort(table.entries.size(), count);
    table.trailingBytes = reader.Remaining();
    return table;
}

// FC FF: language sets in language order; the set's position gives the
// language, whatever the entries' own language bytes say.
TextTable DecodeLanguageSets(ByteReader& reader, std::size_t setCount)
{
    TextTable table{TextTableLayout::LanguageSets, {}, 0, {}};
    for (std::size_t set = 0; set < setCount && table.warning.empty(); ++set) {
        const auto count = reader.U16le();
        if (!count) {
            table.warning = "The data ends before language set " + std::to_string(set + 1) + ".";
            break;
        }
        const int language = static_cast<int>(set) + 1;
        for (std::size_t i = 0; i < *count; ++i) {
            std::optional<std::string> value, comment;
            if (!reader.U8() || !(value = Utf8Text(reader)) || !(comment = Utf8Text(reader))) {
                table.warning = "Language set " + std::to_string(set + 1) + ": " + CutShort(i, *count);
                break;
            }
            table.entries.push_back(
                Entry(i, language, std::move(*value), std::move(*comment), CodePage::Utf8));
        }
    }
    table.trailingBytes = reader.Remaining();
    return table;
}

}  // namespace

Decoded<TextTable> DecodeTextTable(ByteSpan body)
{
    // Two zero bytes are an empty table, whatever the layout.
    if (body.size() == 2 && body[0] == 0 && body[1] == 0)
        return Decoded<TextTable>::Of({});
    ByteReader reader(body);
    const auto code = reader.U16le();
    if (!code)
        return Decoded<TextTable>::Decline("The table is too short for its layout code.");
    if (*code < 0xFFFC)
        return DecodePascal(body);
    if (*code == 0xFFFC) {
        const auto sets = reader.U8();
        if (!sets)
            return Decoded<TextTable>::Decline("The table ends before its number of language sets.");
        return Decoded<TextTable>::Of(DecodeLanguageSets(reader, *sets));
    }
    const auto count = reader.U16le();
    if (!count)
        return Decoded<TextTable>::Decline("The table ends before its string count.");
    const TextTableLayout layout = *code == 0xFFFF   ? TextTableLayout::Plain
                                   : *code == 0xFFFE ? TextTableLayout::WithComments
                                                     : TextTableLayout::Languages;
    return Decoded<TextTable>::Of(DecodeZeroEnded(reader, layout, *count));
}

const TextEntry* FindText(const TextTable& table, std::size_t index, int language)
{
    const TextEntry* english = nullptr;
    const TextEntry* first = nullptr;
    for (const TextEntry& entry : table.entries) {
        if (entry.index != index)
            continue;
        if (entry.language == language)
            return &entry;
        if (entry.language == kFirstLanguage && english == nullptr)
            english = &entry;
        if (first == nullptr)
            first = &entry;
    }
    return english != nullptr ? english : first;
}

}  // namespace tarnwick
