#include "library/record_codec.h"

#include "model/container/byte_reader.h"

namespace tarnwick::library {

namespace {

class Writer {
public:
    void U8(std::uint8_t value) { bytes_.push_back(value); }
    void U16(std::uint16_t value) { Little(value, 2); }
    void U32(std::uint32_t value) { Little(value, 4); }
    void U64(std::uint64_t value) { Little(value, 8); }
    void Text(const std::string& text)
    {
        U32(static_cast<std::uint32_t>(text.size()));
        bytes_.insert(bytes_.end(), text.begin(), text.end());
    }
    void Texts(const std::vector<std::string>& texts)
    {
        U32(static_cast<std::uint32_t>(texts.size()));
        for (const std::string& text : texts)
            Text(text);
    }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    void Little(std::uint64_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }

    std::vector<std::uint8_t> bytes_;
};

// A reader that remembers the first failure, so that each field can be read
// without a check and the whole judged once.
class Reader {
public:
    explicit Reader(ByteSpan bytes) : reader_(bytes) {}

    std::uint8_t U8() { return Take(reader_.U8()); }
    std::uint16_t U16() { return Take(reader_.U16le()); }
    std::uint32_t U32() { return Take(reader_.U32le()); }
    std::uint64_t U64()
    {
        const std::uint64_t low = U32();
        return low | std::uint64_t{U32()} << 32;
    }
    std::string Text()
    {
        const std::optional<ByteSpan> bytes = reader_.Bytes(U32());
        if (!bytes)
            failed_ = true;
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }
    std::vector<std::string> Texts()
    {
        std::vector<std::string> texts(Count(4));
        for (std::string& text : texts)
            text = Text();
        return texts;
    }
    // A count of items of at least `itemSize` bytes each, 0 when more than the rest could hold.
    std::size_t Count(std::size_t itemSize)
    {
        const std::uint32_t count = U32();
        if (count > reader_.Remaining() / itemSize) {
            failed_ = true;
            return 0;
        }
        return count;
    }
    [[nodiscard]] bool Whole() const { return !failed_ && reader_.AtEnd(); }
    [[nodiscard]] bool Failed() const { return failed_; }

private:
    template <typename Value>
    Value Take(std::optional<Value> value)
    {
        if (!value)
            failed_ = true;
        return value.value_or(Value{});
    }

    ByteReader reader_;
    bool failed_ = false;
};

constexpr std::size_t kSmallestObject = 4 + 4 + 2 + 4 + 4 + 4 + 2 + 2 + 2;
constexpr std::size_t kSmallestName = 4 + 4 + 1;
constexpr std::size_t kSmallestFile = 4 + 4 + 8 + 8 + 8 + 4 + 4 * 5 + 4;

}  // namespace

std::vector<std::uint8_t> EncodeRecords(const std::vector<FileRecord>& records)
{
    Writer out;
    out.U32(static_cast<std::uint32_t>(records.size()));
    for (const FileRecord& file : records) {
        out.Text(file.path);
        out.Text(file.member);
        out.U64(file.size);
        out.U64(static_cast<std::uint64_t>(file.modified));
        out.U64(file.contentHash);
        out.U32(file.chunkCount);
        out.Texts(file.damage);
        out.Texts(file.notes);
        out.Texts(file.unknownTypes);
        out.Text(file.texts);
        out.U32(static_cast<std::uint32_t>(file.objects.size()));
        for (const ObjectRecord& object : file.objects) {
            out.U32(object.guid);
            out.U32(object.originalGuid);
            out.U16(object.objdId);
            out.Text(object.label);
            out.U32(object.chunkNumber);
            out.U32(static_cast<std::uint32_t>(object.names.size()));
            for (const CatalogueName& name : object.names) {
                out.U32(static_cast<std::uint32_t>(name.language));
                out.Text(name.text);
                out.U8(static_cast<std::uint8_t>(name.codePage));
            }
            out.U16(object.price);
            out.U16(object.masterId);
            out.U16(static_cast<std::uint16_t>(object.subIndex));
        }
    }
    return out.Take();
}

std::optional<std::vector<FileRecord>> DecodeRecords(ByteSpan bytes)
{
    Reader in(bytes);
    std::vector<FileRecord> records(in.Count(kSmallestFile));
    for (FileRecord& file : records) {
        file.path = in.Text();
        file.member = in.Text();
        file.size = in.U64();
        file.modified = static_cast<std::int64_t>(in.U64());
        file.contentHash = in.U64();
        file.chunkCount = in.U32();
        file.damage = in.Texts();
        file.notes = in.Texts();
        file.unknownTypes = in.Texts();
        file.texts = in.Text();
        file.objects.resize(in.Count(kSmallestObject));
        for (ObjectRecord& object : file.objects) {
            object.guid = in.U32();
            object.originalGuid = in.U32();
            object.objdId = in.U16();
            object.label = in.Text();
            object.chunkNumber = in.U32();
            object.names.resize(in.Count(kSmallestName));
            for (CatalogueName& name : object.names) {
                name.language = static_cast<int>(in.U32());
                name.text = in.Text();
                const std::uint8_t codePage = in.U8();
                if (codePage > static_cast<std::uint8_t>(CodePage::Utf8))
                    return std::nullopt;
                name.codePage = static_cast<CodePage>(codePage);
            }
            object.price = in.U16();
            object.masterId = in.U16();
            object.subIndex = static_cast<std::int16_t>(in.U16());
        }
        if (in.Failed())
            return std::nullopt;
    }
    if (!in.Whole())
        return std::nullopt;
    return records;
}

}  // namespace tarnwick::library
