// Any bytes as a game file, taken through what a user can do with it: loaded
// from a file as a click in the file list loads it, every text shown through
// the game's code page, then the chunks opened as clicks on their lines open
// them. Nothing to assert but no crash, hang, leak or sanitizer report.
//
// An input costs what a few clicks cost: every chunk is listed, but only a
// sample is opened (a walk can list one chunk, which spans the rest of the
// file, a thousand times over), and of a map's entries a sample is picked.
// Each family of decoders has a block of its own below, called from ShowChunk
// by the view the chunk's type chooses.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "model/chunk_window/chunk_dump.h"
#include "model/chunk_window/chunk_texts.h"
#include "model/chunk_window/chunk_view.h"
#include "model/chunk_window/offset_view.h"
#include "model/chunk_window/sprite_preview.h"
#include "model/chunk_window/string_lines.h"
#include "model/container/chunk_loader.h"
#include "model/container/chunk_lookup.h"
#include "model/container/chunk_summary.h"
#include "model/container/chunk_types.h"
#include "model/decoders/bmp_header.h"
#include "model/decoders/decoded_types.h"
#include "model/decoders/hex_rows.h"
#include "model/decoders/object_picture.h"
#include "model/decoders/resource_map.h"
#include "model/text/hex_text.h"
#include "model/text/windows1252.h"

using namespace tarnwick;

namespace {

// At most this many chunks are opened, and this many entries of a map
// picked: the first, the last and some evenly between.
constexpr std::size_t kChunksSampled = 16;
constexpr std::size_t kEntriesSampled = 5;

// Whether item `index` of `count` is among the `sampled` chosen.
bool InSample(std::size_t index, std::size_t count, std::size_t sampled)
{
    if (count <= sampled)
        return true;
    // Every step-th from the first, and the last.
    const std::size_t step = (count - 1) / (sampled - 1);
    return index == count - 1 || (index % step == 0 && index / step < sampled - 1);
}

// What a label shows of a file's bytes: up to the first NUL, decoded from the
// game's code page. The lengths are summed so that nothing is optimised away.
std::size_t shownLength = 0;
void ShowText(std::string_view bytes)
{
    shownLength += Windows1252ToUtf8(bytes.substr(0, bytes.find('\0'))).size();
}

// The main window's side of a load.
struct MainWindowTexts final : LoadOutput {
    void ClearChunkList() override {}
    void SetDetailsCaption(std::string_view caption) override
    {
        shownLength += FileNameToUtf8(caption).size();
    }
    void SetHeaderTexts(const FileHeaderTexts& texts) override
    {
        ShowText(texts.Line1);
        ShowText(texts.Line2);
        ShowText(texts.RsmpLocation);
        (void)ParseHexText(texts.RsmpLocation);
    }
    void AddChunkLine(std::string_view line) override { ShowText(line); }
    bool LetPendingEventsRun() override { return true; }
};

// The input as a file of its own, in memory, loaded by its path as the file
// list loads a file; made once and rewritten for each input.
class InputFile {
public:
    InputFile() : fd_(::memfd_create("input.IFF", MFD_CLOEXEC))
    {
        if (fd_ < 0)
            std::abort();
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    const std::string& Write(const std::uint8_t* data, std::size_t size)
    {
        if (::pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size) ||
            ::ftruncate(fd_, static_cast<off_t>(size)) != 0)
            std::abort();
        return path_;
    }

private:
    int fd_;
    std::string path_;
};

// --- The chunk display: the header fields, and a dump's first and last lines.
void ShowHeaderAndDump(const ChunkInfo& chunk)
{
    const ChunkHeaderTexts texts = MakeChunkHeaderTexts(chunk);
    for (const std::string* text : {&texts.Type, &texts.Name, &texts.Size, &texts.Id, &texts.Address})
        ShowText(*text);
    const ChunkDump dump(chunk);
    (void)dump.Line(0);
    (void)dump.Line(dump.LineCount() - 1);
}

// --- String tables.
void ShowStringTable(const ChunkInfo& chunk)
{
    if (const auto lines = DecodeStringTable(chunk.Data.span()))
        for (const std::string& line : *lines)
            ShowText(line);
}

// --- Bitmaps: the header checks made before a picture is written anywhere.
void CheckBitmap(const ChunkInfo& chunk)
{
    const ByteSpan contents = chunk.Data.Slice(kChunkHeaderSize, chunk.Data.size()).span();
    if (const auto header = ReadBmpHeader(contents))
        (void)BmpLength(*header, contents.size());
}

// --- Sprites, drawn into the picture box's pixels, allocated once.
void ShowSprite(const ChunkInfo& chunk)
{
    constexpr std::size_t kWidth = 117, kHeight = 105;
    static std::vector<std::uint32_t> box(kWidth * kHeight);
    DrawSpritePreview(chunk.Data.Slice(kChunkHeaderSize, chunk.Data.size()).span(),
                      {box, kWidth, kHeight, kWidth});
}

// --- Resource maps: the browser's lists of types and identifiers, then a
// sample of the entries picked by type and identifier, each with its name, its
// position label read back and the offset view there.
void BrowseResourceMap(const OpenFile& openFile, const ChunkInfo& chunk)
{
    const ResourceMap map = ParseResourceMap(chunk.Data.span());
    const SectionIndex index(map.Sections);
    for (const std::string& type : map.Types) {
        ShowText(type);
        (void)index.IdsOfType(type);
    }
    for (std::size_t i = 0; i < map.Sections.size(); ++i) {
        if (!InSample(i, map.Sections.size(), kEntriesSampled))
            continue;
        const SectionEntry& picked = map.Sections[i];
        const SectionEntry* entry = index.Find(picked.Type, picked.Id);
        ShowText(entry->Name);
        if (const auto offset = ParseHexText(Hex8(static_cast<std::uint32_t>(entry->Offset)))) {
            const OffsetViewTexts texts = MakeOffsetViewTexts(openFile.FileData.span(), *offset);
            for (const std::string* text : {&texts.HexText, &texts.CharacterText, &texts.ValueRun})
                ShowText(*text);
        }
    }
}

// --- The inspector: every decoder of the table fed the chunk, whatever its
// type, in a buffer of its own so that a read past the chunk is caught.
void InspectChunk(const ChunkInfo& chunk, const ChunkTable& chunks, std::size_t fileSize)
{
    (void)SummariseChunk(chunk, fileSize);
    const HexRows hex(chunk.Data, 0);
    if (hex.LineCount() > 0)
        (void)hex.Text(0, hex.LineCount() - 1 < 4 ? hex.LineCount() - 1 : 4);
    ChunkInfo alone = chunk;
    alone.Data = chunk.Data.OwnCopy();
    const DecodedType* last = nullptr;
    for (const DecodedType& row : DecodedTypes()) {
        // Types that share a reader are read once; an object definition is
        // described only as the view does, for a chunk of its type: word by
        // word, every body would cost more than all the other decoders.
        if ((last != nullptr && row.read == last->read) ||
            (row.type == chunk_type::kObjectDefinition && chunk.Type != row.type))
            continue;
        last = &row;
        alone.Type = row.type;
        (void)row.read(alone, chunks);
    }
}

// --- An object's picture as the buyer's card draws it: a multi-tile master's
// tiles found among all the file's definitions and put together in every view.
void DrawObject(const ChunkInfo& chunk, const ChunkTable& chunks)
{
    if (chunk.Type != chunk_type::kObjectDefinition)
        return;
    const Decoded<ObjectDefinition> definition = DecodeObjectDefinition(ChunkBody(chunk));
    if (definition.value)
        shownLength += ComposeObjectPicture(chunks, *definition.value).notes.size();
}

void ShowContents(const OpenFile& openFile, const ChunkInfo& chunk)
{
    switch (ChunkViewFor(chunk.Type)) {
    case ChunkView::StringTable:
        ShowStringTable(chunk);
        break;
    case ChunkView::Bitmap:
        CheckBitmap(chunk);
        break;
    case ChunkView::SpritePreview:
        ShowSprite(chunk);
        break;
    case ChunkView::ResourceMap:
        BrowseResourceMap(openFile, chunk);
        break;
    case ChunkView::Dump:
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static InputFile input;
    const std::string& path = input.Write(data, size);
    // The file's name, in any bytes: the input's first few.
    const std::string_view name(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 12));

    OpenFile openFile;
    MainWindowTexts window;
    LoadChunkFile(openFile, path, name, window);
    const std::size_t count = openFile.Chunks.Count();
    for (std::size_t number = 1; number <= count; ++number) {
        if (!InSample(number - 1, count, kChunksSampled))
            continue;
        const ChunkInfo& chunk = *openFile.Chunks.Find(number);
        ShowHeaderAndDump(chunk);
        ShowContents(openFile, chunk);
        InspectChunk(chunk, openFile.Chunks, openFile.FileData.size());
        DrawObject(chunk, openFile.Chunks);
    }
    return 0;
}
