#include "library/file_index.h"

#include <algorithm>

#include "library/content_hash.h"
#include "model/container/chunk_table.h"
#include "model/container/chunk_types.h"
#include "model/container/chunk_walker.h"
#include "model/decoders/decoded_types.h"
#include "model/decoders/linked_chunks.h"
#include "model/decoders/object_definition.h"
#include "model/decoders/text_table.h"
#include "model/text/windows1252.h"
#include "system/ascii_case.h"

namespace tarnwick::library {

namespace {

// Enough for every text of a real object file; a file of huge tables adds no more.
constexpr std::size_t kMaxTextBytes = std::size_t{64} * 1024;
constexpr std::string_view kHeaderStart = "IFF FILE";

bool EndsWithIgnoringCase(std::string_view name, std::string_view suffix)
{
    return name.size() > suffix.size() && EqualIgnoringCase(name.substr(name.size() - suffix.size()), suffix);
}

bool IsKnownType(std::string_view type)
{
    return FindDecodedType(type) != nullptr ||
           std::find(chunk_type::kNamedTypes.begin(), chunk_type::kNamedTypes.end(), type) !=
               chunk_type::kNamedTypes.end();
}

std::string ChunkName(std::size_t number, const ChunkInfo& chunk)
{
    return "chunk " + std::to_string(number) + " (" + Windows1252ToUtf8(chunk.Type) + ")";
}

// Walks every chunk into `chunks`, noting where the walk had to stop.
void WalkChunks(const ByteString& bytes, ChunkTable& chunks, std::vector<std::string>& damage)
{
    ChunkWalker walker(bytes);
    std::int64_t end = static_cast<std::int64_t>(kFileHeaderSize);
    while (auto chunk = walker.Next()) {
        const std::size_t number = chunks.Count() + 1;
        const std::int64_t remaining = static_cast<std::int64_t>(bytes.size()) - (chunk->Position - 1);
        if (chunk->Size < static_cast<std::int32_t>(kChunkHeaderSize)) {
            damage.push_back(ChunkName(number, *chunk) + ": size field " + std::to_string(chunk->Size) +
                             " is smaller than its header; the walk stops there");
            return;
        }
        const bool overruns = chunk->Size > remaining;
        if (overruns)
            damage.push_back(ChunkName(number, *chunk) + ": size field " + std::to_string(chunk->Size) +
                             " runs past the end of the file, " + std::to_string(remaining) + " bytes on");
        end = chunk->Position - 1 + std::min<std::int64_t>(chunk->Size, remaining);
        chunks.Add(std::move(*chunk));
        if (overruns)
            return;
    }
    if (end < static_cast<std::int64_t>(bytes.size()))
        damage.push_back("the walk ends " + std::to_string(static_cast<std::int64_t>(bytes.size()) - end) +
                         " bytes before the end of the file");
    if (chunks.Count() >= kMaxKeptChunks)
        damage.push_back("more than " + std::to_string(kMaxKeptChunks) + " chunks; the rest are not read");
}

std::string TextAsUtf8(const TextEntry& entry)
{
    if (entry.codePage == CodePage::Utf8)
        return FileNameToUtf8(entry.value);
    return entry.codePage == CodePage::Windows1252 ? Windows1252ToUtf8(entry.value) : std::string();
}

void CollectTexts(const TextTable& table, std::string& texts)
{
    for (const TextEntry& entry : table.entries) {
        if (entry.value.empty() || texts.size() >= kMaxTextBytes)
            continue;
        const std::string text = TextAsUtf8(entry);
        if (text.empty())
            continue;
        texts += text;
        texts += '\n';
    }
}

std::vector<CatalogueName> CatalogueNames(const ChunkTable& chunks, std::uint16_t id)
{
    std::vector<CatalogueName> names;
    if (id == 0)
        return names;
    const std::optional<TextTable> table = LinkedTexts(chunks, chunk_type::kCatalogueStrings, id);
    if (!table)
        return names;
    for (const TextEntry& entry : table->entries) {
        const bool seen = std::any_of(names.begin(), names.end(), [&](const CatalogueName& name) {
            return name.language == entry.language;
        });
        if (entry.index == 0 && !seen)
            names.push_back({entry.language, entry.value, entry.codePage});
    }
    return names;
}

ObjectRecord IndexObject(const ChunkTable& chunks, std::size_t number, const ObjectDefinition& definition)
{
    const ChunkInfo& chunk = *chunks.Find(number);
    ObjectRecord object;
    object.guid = definition.Id32(object_word::kGuid).value_or(0);
    object.originalGuid = definition.Id32(object_word::kOriginalGuid).value_or(0);
    object.objdId = chunk.Id;
    object.label = chunk.Label;
    object.chunkNumber = static_cast<std::uint32_t>(number);
    object.price = definition.Word(object_word::kPrice).value_or(0);
    object.masterId = definition.Word(object_word::kMasterId).value_or(0);
    object.subIndex = static_cast<std::int16_t>(definition.Word(object_word::kSubIndex).value_or(0));
    object.names = CatalogueNames(chunks, definition.Word(object_word::kCatalogueStrings).value_or(0));
    return object;
}

}  // namespace

bool IsChunkFileName(std::string_view name)
{
    return EndsWithIgnoringCase(name, ".iff") || EndsWithIgnoringCase(name, ".wll") ||
           EndsWithIgnoringCase(name, ".flr");
}

bool IsArchiveName(std::string_view name) { return EndsWithIgnoringCase(name, ".far"); }

FileRecord IndexChunkBytes(const ByteString& bytes)
{
    FileRecord record;
    record.size = bytes.size();
    record.contentHash = ContentHash(bytes.span());
    if (bytes.size() < kFileHeaderSize) {
        record.damage.push_back("shorter than the " + std::to_string(kFileHeaderSize) + "-byte file header");
        return record;
    }
    const std::string_view start(reinterpret_cast<const char*>(bytes.span().data()), kHeaderStart.size());
    if (start != kHeaderStart)
        record.damage.push_back("does not begin with a chunk file's header line");

    ChunkTable chunks;
    WalkChunks(bytes, chunks, record.damage);
    record.chunkCount = static_cast<std::uint32_t>(chunks.Count());
    if (chunks.Count() > kChunksWorthNoting)
        record.damage.push_back(std::to_string(chunks.Count()) + " chunks, more than the chunk list's " +
                                std::to_string(kChunksWorthNoting));

    for (std::size_t number = 1; number <= chunks.Count(); ++number) {
        const ChunkInfo& chunk = *chunks.Find(number);
        const ByteSpan body = ClampedSlice(chunk.Data.span(), kChunkHeaderSize, chunk.Data.size());
        if (!IsKnownType(chunk.Type)) {
            const std::string type = Windows1252ToUtf8(chunk.Type);
            if (std::find(record.unknownTypes.begin(), record.unknownTypes.end(), type) ==
                record.unknownTypes.end())
                record.unknownTypes.push_back(type);
        } else if (chunk_type::IsStringTable(chunk.Type)) {
            if (const Decoded<TextTable> table = DecodeTextTable(body); table.value)
                CollectTexts(*table.value, record.texts);
        } else if (chunk.Type == chunk_type::kObjectDefinition) {
            const Decoded<ObjectDefinition> definition = DecodeObjectDefinition(body);
            if (definition.value)
                record.objects.push_back(IndexObject(chunks, number, *definition.value));
            else
                record.damage.push_back(ChunkName(number, chunk) + ": " + definition.declined);
        }
    }
    return record;
}

}  // namespace tarnwick::library
