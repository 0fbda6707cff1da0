// One chunk file indexed: its objects, texts, unknown types and damage.
#include "library/file_index.h"

#include <gtest/gtest.h>

#include "synth/iff_builder.h"
#include "synth/library_tree_builder.h"
#include "tests/support/case_name.h"

namespace tarnwick::library {
namespace {

using fixtures::Bytes;
using fixtures::IffBuilder;

constexpr std::string_view kHeader = "IFF FILE 2.5:TYPE FOLLOWED BY SIZE";

FileRecord Index(const Bytes& bytes) { return IndexChunkBytes(ByteString(bytes)); }

TEST(FileIndex, ReadsAnObjectWrittenOutByHand)
{
    Bytes definition = {
        0x8E, 0x00, 0x00, 0x00,  // version 142
    };
    Bytes words(std::size_t{2} * 105, 0);
    const auto word = [&](std::size_t index, std::uint16_t value) {
        words[2 * index] = static_cast<std::uint8_t>(value);
        words[2 * index + 1] = static_cast<std::uint8_t>(value >> 8);
    };
    word(8, 0x0010);   // master ID 16: a tile group
    word(9, 0xFFFF);   // sub-index -1: its lead
    word(12, 0x5678);  // GUID 0x12345678, low half first
    word(13, 0x1234);
    word(16, 1250);    // price
    word(39, 0x0081);  // catalogue strings: CTSS 129
    word(68, 0xBEEF);  // original GUID 0xDEADBEEF
    word(69, 0xDEAD);
    definition.insert(definition.end(), words.begin(), words.end());
    const Bytes catalogue = {
        0xFD, 0xFF, 0x03, 0x00,                         // FD FF layout, 3 entries
        0x01, 'S',  'o',  'f',  'a', 0x00, 0x00,        // English (US): "Sofa", no comment
        0x01, 'A',  ' ',  's',  'o', 'f',  'a',  0, 0,  // English (US) entry 1: the description
        0x03, 'C',  'a',  'n',  'a', 'p',  0xE9, 0, 0,  // French: "Canapé" in Windows-1252
    };
    const FileRecord record =
        Index(IffBuilder()
                  .Header(kHeader, 0)
                  .Chunk("OBJD", "Sofa - blue", definition, 0x0080 << 16)  // ID 0x80, flags 0
                  .Chunk("CTSS", "", catalogue, 0x0081 << 16)
                  .Build());
    EXPECT_TRUE(record.damage.empty());
    EXPECT_EQ(record.chunkCount, 2U);
    ASSERT_EQ(record.objects.size(), 1U);
    const ObjectRecord& object = record.objects[0];
    EXPECT_EQ(object.guid, 0x12345678U);
    EXPECT_EQ(object.originalGuid, 0xDEADBEEFU);
    EXPECT_EQ(object.objdId, 0x80);
    EXPECT_EQ(object.label, "Sofa - blue");
    EXPECT_EQ(object.chunkNumber, 1U);
    EXPECT_EQ(object.price, 1250);
    EXPECT_EQ(object.masterId, 16);
    EXPECT_EQ(object.subIndex, -1);
    ASSERT_EQ(object.names.size(), 2U);
    EXPECT_EQ(object.names[0], (CatalogueName{1, "Sofa", CodePage::Windows1252}));
    EXPECT_EQ(object.names[1], (CatalogueName{3, "Canap\xE9", CodePage::Windows1252}));
    EXPECT_EQ(record.texts, "Sofa\nA sofa\nCanap\xC3\xA9\n");
}

struct DamageRow {
    const char* name;
    Bytes file;
    std::uint32_t chunks;
    std::vector<std::string> damage;
};

class FileDamage : public testing::TestWithParam<DamageRow> {};

TEST_P(FileDamage, IsNamed)
{
    const FileRecord record = Index(GetParam().file);
    EXPECT_EQ(record.chunkCount, GetParam().chunks);
    EXPECT_EQ(record.damage, GetParam().damage);
}

IffBuilder Chunks(int count)
{
    IffBuilder file;
    file.Header(kHeader, 0);
    for (int i = 0; i < count; ++i)
        file.Chunk("BCON", "", {0, 0});
    return file;
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileDamage,
    testing::Values(
        DamageRow{"sound", Chunks(2).Build(), 2, {}},
        DamageRow{"empty", {}, 0, {"shorter than the 64-byte file header"}},
        DamageRow{"no header line",
                  IffBuilder().Chunk("BCON", "", {0, 0}).Build(),
                  1,
                  {"does not begin with a chunk file's header line"}},
        DamageRow{"size field below the header",
                  Chunks(1).ChunkWithSizeField("BHAV", 20, "", Bytes(20, 0)).Build(),
                  1,
                  {"chunk 2 (BHAV): size field 20 is smaller than its header; the walk stops there"}},
        DamageRow{"negative size field",
                  Chunks(1).ChunkWithSizeField("BHAV", 0xFFFFFFF0, "", {}).Build(),
                  1,
                  {"chunk 2 (BHAV): size field -16 is smaller than its header; the walk stops there"}},
        DamageRow{"size field past the end",
                  Chunks(1).ChunkWithSizeField("BHAV", 500, "", Bytes(10, 0)).Build(),
                  2,
                  {"chunk 2 (BHAV): size field 500 runs past the end of the file, 86 bytes on"}},
        DamageRow{"a walk cut short",
                  Chunks(2).Raw(Bytes(5, 0xA3)).Build(),
                  2,
                  {"the walk ends 5 bytes before the end of the file"}},
        DamageRow{
            "1001 chunks", Chunks(1001).Build(), 1001, {"1001 chunks, more than the chunk list's 1000"}},
        DamageRow{"an object definition too short",
                  Chunks(0).Chunk("OBJD", "", {0x8E, 0}).Build(),
                  1,
                  {"chunk 1 (OBJD): The definition is too short to hold its version."}}),
    fixtures::RowName());

TEST(FileIndex, ReadsEveryChunkPastTheListsThousand)
{
    IffBuilder file = Chunks(1200);
    file.Chunk("OBJD", "Last", Bytes(4 + 210, 0), 9);
    const FileRecord record = Index(file.Build());
    EXPECT_EQ(record.chunkCount, 1201U);
    ASSERT_EQ(record.objects.size(), 1U);
    EXPECT_EQ(record.objects[0].chunkNumber, 1201U);
    EXPECT_EQ(record.objects[0].label, "Last");
}

TEST(FileIndex, ListsEachUnknownTypeOnce)
{
    const FileRecord record = Index(Chunks(1)
                                        .Chunk("XYZW", "", {1})
                                        .Chunk("SLOT", "", {1})
                                        .Chunk("XYZW", "", {2})
                                        .Chunk("rsmp", "", {})
                                        .Chunk("ABCD", "", {})
                                        .Build());
    EXPECT_EQ(record.unknownTypes, (std::vector<std::string>{"XYZW", "ABCD"}));
}

TEST(FileIndex, SameBytesHashAlikeAndOneByteApartDoNot)
{
    const Bytes file = fixtures::ObjectFileBytes({42, 0, "Lamp", "Lamp", 10, 128, 0, 0, 1000});
    Bytes other = file;
    other[other.size() / 2] ^= 1;
    EXPECT_EQ(Index(file).contentHash, Index(Bytes(file)).contentHash);
    EXPECT_NE(Index(file).contentHash, Index(other).contentHash);
}

TEST(FileIndex, NamesChunkAndArchiveFilesInAnyCase)
{
    EXPECT_TRUE(IsChunkFileName("Chair.IFF"));
    EXPECT_TRUE(IsChunkFileName("wall.Wll"));
    EXPECT_TRUE(IsChunkFileName("floor.flr"));
    EXPECT_FALSE(IsChunkFileName(".iff.txt"));
    EXPECT_FALSE(IsChunkFileName(".iff"));
    EXPECT_TRUE(IsArchiveName("Objects.FAR"));
    EXPECT_FALSE(IsArchiveName("Objects.iff"));
}

}  // namespace
}  // namespace tarnwick::library
