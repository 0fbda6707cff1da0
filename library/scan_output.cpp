#include "library/scan_output.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "model/text/windows1252.h"

namespace tarnwick::library {

namespace {

std::string TsvField(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", byte);
            out += escaped.data();
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string Join(const std::vector<std::string>& lines, std::string_view separator)
{
    std::string out;
    for (const std::string& line : lines)
        out += (out.empty() ? "" : std::string(separator)) + line;
    return out;
}

// A row's fields, in one order for both formats.
struct Field {
    std::string_view name;
    std::string value;
    bool number = false;  // shown bare in JSON
};

using Row = std::vector<Field>;

Row ObjectRow(const FileRecord& file, const ObjectRecord& object)
{
    return {{"guid", GuidText(object.guid)},
            {"original guid", GuidText(object.originalGuid)},
            {"name", DisplayName(object)},
            {"price", std::to_string(object.price), true},
            {"objd id", std::to_string(object.objdId), true},
            {"label", Windows1252ToUtf8(object.label)},
            {"tiles", TilesText(object)},
            {"chunk", std::to_string(object.chunkNumber), true},
            {"file", FileNameToUtf8(file.path)},
            {"member", FileNameToUtf8(file.member)}};
}

Row FileRow(const FileRecord& file)
{
    return {{"file", FileNameToUtf8(file.path)},
            {"member", FileNameToUtf8(file.member)},
            {"size", std::to_string(file.size), true},
            {"chunks", std::to_string(file.chunkCount), true},
            {"objects", std::to_string(file.objects.size()), true},
            {"damage", Join(file.damage, "; ")},
            {"unknown types", Join(file.unknownTypes, " ")},
            {"notes", Join(file.notes, "; ")}};
}

Row ConflictRow(const ConflictGroup& group, const FileRecord& file, const ObjectRecord& object)
{
    return {{"class", std::string(ConflictClassName(group.kind))},
            {"guid", GuidText(group.guid)},
            {"label", Windows1252ToUtf8(object.label)},
            {"name", DisplayName(object)},
            {"file", FileNameToUtf8(file.path)},
            {"member", FileNameToUtf8(file.member)}};
}

class Printer {
public:
    explicit Printer(OutputFormat format) : format_(format) {}

    void Section(std::string_view name, const std::vector<Row>& rows, const Row& columns)
    {
        if (format_ == OutputFormat::Tsv)
            Tsv(rows, columns);
        else
            Json(name, rows);
    }

    std::string Finish() { return format_ == OutputFormat::Json ? out_ + "\n}\n" : out_; }

private:
    void Tsv(const std::vector<Row>& rows, const Row& columns)
    {
        std::vector<std::string> names;
        for (const Field& field : columns)
            names.emplace_back(field.name);
        out_ += Join(names, "\t") + '\n';
        for (const Row& row : rows) {
            std::vector<std::string> values;
            for (const Field& field : row)
                values.push_back(TsvField(field.value));
            out_ += Join(values, "\t") + '\n';
        }
        out_ += '\n';
    }

    void Json(std::string_view name, const std::vector<Row>& rows)
    {
        out_ += out_.empty() ? "{\n" : ",\n";
        out_ += "  " + JsonString(name) + ": [";
        for (std::size_t i = 0; i < rows.size(); ++i) {
            out_ += i == 0 ? "\n    {" : ",\n    {";
            for (std::size_t f = 0; f < rows[i].size(); ++f) {
                const Field& field = rows[i][f];
                out_ += (f == 0 ? "" : ", ") + JsonString(field.name) + ": " +
                        (field.number ? field.value : JsonString(field.value));
            }
            out_ += "}";
        }
        out_ += rows.empty() ? "]" : "\n  ]";
    }

    OutputFormat format_;
    std::string out_;
};

}  // namespace

std::string GuidText(std::uint32_t guid)
{
    std::array<char, 9> text{};
    std::snprintf(text.data(), text.size(), "%08X", guid);
    return text.data();
}

std::string TilesText(const ObjectRecord& object)
{
    if (object.masterId == 0)
        return "single";
    const std::string group = " of group " + std::to_string(object.masterId);
    if (object.subIndex == -1)
        return "lead" + group;
    const auto index = static_cast<std::uint16_t>(object.subIndex);
    const auto x = static_cast<std::int8_t>(index >> 8);
    const auto y = static_cast<std::int8_t>(index & 0xFF);
    return "tile (" + std::to_string(x) + ", " + std::to_string(y) + ")" + group;
}

std::string DisplayName(const ObjectRecord& object)
{
    const CatalogueName* chosen = NameIn(object);
    if (chosen == nullptr)
        return {};
    if (chosen->codePage == CodePage::Utf8)
        return FileNameToUtf8(chosen->text);
    return chosen->codePage == CodePage::Windows1252 ? Windows1252ToUtf8(chosen->text) : std::string();
}

std::string PlaceText(const FileRecord& file)
{
    const std::string path = FileNameToUtf8(file.path);
    return file.member.empty() ? path : path + ": " + FileNameToUtf8(file.member);
}

bool FoundHarm(const std::vector<FileRecord>& files, const std::vector<ConflictGroup>& conflicts)
{
    for (const FileRecord& file : files)
        if (file.damaged())
            return true;
    for (const ConflictGroup& group : conflicts)
        if (group.kind == ConflictClass::DifferentObjects)
            return true;
    return false;
}

std::string FormatScan(const std::vector<FileRecord>& files, const std::vector<ConflictGroup>& conflicts,
                       bool withConflicts, OutputFormat format)
{
    static const FileRecord kNoFile;
    static const ObjectRecord kNoObject;
    Printer printer(format);
    if (withConflicts) {
        std::vector<Row> rows;
        for (const ConflictGroup& group : conflicts)
            for (const ObjectPlace place : group.places)
                rows.push_back(
                    ConflictRow(group, files[place.file], files[place.file].objects[place.object]));
        printer.Section("conflicts", rows, ConflictRow({}, kNoFile, kNoObject));
    }
    std::vector<Row> objects;
    for (const FileRecord& file : files)
        for (const ObjectRecord& object : file.objects)
            objects.push_back(ObjectRow(file, object));
    printer.Section("objects", objects, ObjectRow(kNoFile, kNoObject));
    std::vector<Row> fileRows;
    fileRows.reserve(files.size());
    for (const FileRecord& file : files)
        fileRows.push_back(FileRow(file));
    printer.Section("files", fileRows, FileRow(kNoFile));
    return printer.Finish();
}

}  // namespace tarnwick::library
