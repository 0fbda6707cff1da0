#include "system/wine_registry.h"

#include <system_error>

#include "model/container/file_reader.h"
#include "model/text/hex_text.h"
#include "system/ascii_case.h"
#include "system/wine_text.h"

namespace tarnwick {

namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view TrimStart(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimEnd(std::string_view text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// One to `maxDigits` hex digits and nothing else.
std::optional<std::uint32_t> ParseHex(std::string_view digits, std::size_t maxDigits)
{
    if (digits.empty() || digits.size() > maxDigits)
        return std::nullopt;
    std::uint32_t number = 0;
    for (const char c : digits) {
        const auto digit = HexDigitValue(c);
        if (!digit)
            return std::nullopt;
        number = number * 16 + *digit;
    }
    return number;
}

// The file's lines, a line ending in a backslash joined with the next one
// less its leading blanks, as Wine wraps long hex lists.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    bool Next(std::string_view& line)
    {
        if (rest_.empty())
            return false;
        line = TrimEnd(TakePhysicalLine());
        if (line.empty() || line.back() != '\\')
            return true;
        joined_.assign(line.substr(0, line.size() - 1));
        while (!rest_.empty()) {
            const std::string_view piece = TrimEnd(TrimStart(TakePhysicalLine()));
            if (piece.empty() || piece.back() != '\\') {
                joined_ += piece;
                break;
            }
            joined_ += piece.substr(0, piece.size() - 1);
        }
        line = joined_;
        return true;
    }

private:
    std::string_view TakePhysicalLine()
    {
        const std::size_t end = rest_.find('\n');
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return line;
    }

    std::string_view rest_;
    std::string joined_;
};

// The reader over the lines after the header, or nothing when the header is wrong.
std::optional<LineReader> OpenLines(std::string_view text)
{
    LineReader reader(text);
    std::string_view header;
    if (!reader.Next(header) || header != kHeader)
        return std::nullopt;
    return reader;
}

// "text" followed by blanks only, as a value of `type` with its ending NUL.
std::optional<WineRegistryValue> ParseQuotedValue(std::uint32_t type, std::string_view data)
{
    if (data.empty() || data.front() != '"')
        return std::nullopt;
    auto text = DecodeWineText(data.substr(1), '"');
    if (!text || !TrimStart(data.substr(1 + text->consumed)).empty())
        return std::nullopt;
    WineRegistryValue value{type, {text->bytes.begin(), text->bytes.end()}};
    value.bytes.push_back(0);
    return value;
}

// Bytes "01,ff,..": blanks around each allowed, a trailing comma too.
std::optional<WineRegistryValue> ParseByteList(std::uint32_t type, std::string_view data)
{
    WineRegistryValue value{type, {}};
    data = TrimStart(data);
    while (!data.empty()) {
        const std::size_t comma = data.find(',');
        const auto byte = ParseHex(TrimEnd(TrimStart(data.substr(0, comma))), 2);
        if (!byte)
            return std::nullopt;
        value.bytes.push_back(static_cast<std::uint8_t>(*byte));
        data = comma == std::string_view::npos ? std::string_view() : TrimStart(data.substr(comma + 1));
    }
    return value;
}

// "(N):" after str or hex: the type number, and the data after the colon.
std::optional<std::uint32_t> ParseTypeNumber(std::string_view& data)
{
    const std::size_t close = data.find("):");
    if (data.empty() || data.front() != '(' || close == std::string_view::npos)
        return std::nullopt;
    const auto type = ParseHex(data.substr(1, close - 1), 8);
    data.remove_prefix(close + 2);
    return type;
}

std::optional<WineRegistryValue> ParseData(std::string_view data)
{
    if (data.starts_with('"'))
        return ParseQuotedValue(1, data);
    if (data.starts_with("str:"))
        return ParseQuotedValue(1, data.substr(4));
    if (data.starts_with("dword:")) {
        const auto number = ParseHex(TrimEnd(data.substr(6)), 8);
        if (!number)
            return std::nullopt;
        return WineRegistryValue{
            4,
            {static_cast<std::uint8_t>(*number), static_cast<std::uint8_t>(*number >> 8),
             static_cast<std::uint8_t>(*number >> 16), static_cast<std::uint8_t>(*number >> 24)}};
    }
    if (data.starts_with("hex:"))
        return ParseByteList(3, data.substr(4));
    for (const std::string_view kind : {"str", "hex"}) {
        if (!data.starts_with(kind))
            continue;
        data.remove_prefix(kind.size());
        const auto type = ParseTypeNumber(data);
        if (!type)
            return std::nullopt;
        return kind == "str" ? ParseQuotedValue(*type, data) : ParseByteList(*type, data);
    }
    return std::nullopt;
}

}  // namespace

WineRegistryFile::WineRegistryFile(std::string text) : text_(std::move(text)) {}

WineRegistryFile WineRegistryFile::Load(const std::filesystem::path& file)
{
    // A prefix's registry runs to tens of megabytes; anything far larger is no
    // registry, and is not worth the memory.
    constexpr std::uintmax_t kLargestRegistry = 256u << 20;
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > kLargestRegistry)
        return {};
    // The file reader refuses pipes and devices without waiting on them.
    FileReadResult read = ReadWholeFile(file.string());
    if (!read.ok())
        return {};
    return WineRegistryFile(std::string(read.bytes.begin(), read.bytes.end()));
}

bool WineRegistryFile::HasKey(std::string_view path) const
{
    if (path.empty())
        return true;
    auto lines = OpenLines(text_);
    std::string_view line;
    while (lines && lines->Next(line)) {
        if (!line.starts_with('['))
            continue;
        const auto key = ParseKeyLine(line);
        if (key && StartsWithIgnoringCase(*key, path) &&
            (key->size() == path.size() || (*key)[path.size()] == '\\'))
            return true;
    }
    return false;
}

std::optional<WineRegistryValue> WineRegistryFile::FindValue(std::string_view keyPath,
                                                             std::string_view name) const
{
    auto lines = OpenLines(text_);
    bool inKey = false;
    std::string_view line;
    while (lines && lines->Next(line)) {
        if (line.starts_with('[')) {
            const auto key = ParseKeyLine(line);
            inKey = key && EqualIgnoringCase(*key, keyPath);
        } else if (inKey && (line.starts_with('"') || line.starts_with('@'))) {
            auto value = ParseValueLine(line);
            if (value && EqualIgnoringCase(value->name, name))
                return std::move(value->value);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ParseKeyLine(std::string_view line)
{
    if (!line.starts_with('['))
        return std::nullopt;
    auto path = DecodeWineText(line.substr(1), ']');
    if (!path)
        return std::nullopt;
    return std::move(path->bytes);
}

std::optional<WineValueLine> ParseValueLine(std::string_view line)
{
    WineValueLine parsed;
    if (line.starts_with('@')) {
        line.remove_prefix(1);
    } else if (line.starts_with('"')) {
        auto name = DecodeWineText(line.substr(1), '"');
        if (!name)
            return std::nullopt;
        parsed.name = std::move(name->bytes);
        line.remove_prefix(1 + name->consumed);
    } else {
        return std::nullopt;
    }
    line = TrimStart(line);
    if (!line.starts_with('='))
        return std::nullopt;
    auto value = ParseData(TrimStart(line.substr(1)));
    if (!value)
        return std::nullopt;
    parsed.value = std::move(*value);
    return parsed;
}

}  // namespace tarnwick
