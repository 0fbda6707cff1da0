#include "synth/library_tree_builder.h"

#include <fstream>

#include "model/decoders/object_definition.h"
#include "synth/object_builder.h"
#include "synth/text_table_builder.h"

namespace tarnwick::fixtures {

namespace {

constexpr std::uint16_t kCatalogueId = 2000;
constexpr std::size_t kWords = 105;  // version 142

std::uint16_t Low(std::uint32_t value) { return static_cast<std::uint16_t>(value); }

std::uint16_t High(std::uint32_t value) { return static_cast<std::uint16_t>(value >> 16); }

// The header's ID field: the 16-bit ID, then flags of 0.
std::uint32_t IdField(std::uint16_t id) { return std::uint32_t{id} << 16; }

}  // namespace

Bytes ObjectFileBytes(const ObjectFile& object)
{
    const Bytes definition =
        ObjectDefinitionBody(142, kWords,
                             {{object_word::kMasterId, object.masterId},
                              {object_word::kSubIndex, static_cast<std::uint16_t>(object.subIndex)},
                              {object_word::kGuid, Low(object.guid)},
                              {object_word::kGuid + 1, High(object.guid)},
                              {object_word::kPrice, object.price},
                              {object_word::kCatalogueStrings, kCatalogueId},
                              {object_word::kOriginalGuid, Low(object.originalGuid)},
                              {object_word::kOriginalGuid + 1, High(object.originalGuid)}});
    const Bytes catalogue =
        TextTableBody(TextTableLayout::Languages, {{1, object.englishName, ""},
                                                   {1, object.label + " for sale", ""},
                                                   {3, object.englishName + " (fr)", ""}});
    IffBuilder file;
    file.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0)
        .Chunk("OBJD", object.label, definition, IdField(object.objdId))
        .Chunk("CTSS", object.label, catalogue, IdField(kCatalogueId));
    if (object.fillerBytes > 0) {
        Bytes filler(object.fillerBytes);
        for (std::size_t i = 0; i < filler.size(); ++i)
            filler[i] = static_cast<std::uint8_t>(i * 7 + object.guid);
        file.Chunk("BMP_", "Thumbnail", filler, IdField(object.objdId));
    }
    return file.Build();
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::filesystem::path> WriteConflictTree(const std::filesystem::path& root)
{
    const std::filesystem::path downloads = root / "Downloads";
    const ObjectFile rug{kIdenticalCopiesGuid, 0, "Rug", "Woven Rug", 120, 128, 0, 0, 512};
    const ObjectFile vase{0x4C4D0005, 0, "Vase", "Tall Vase", 45, 128, 0, 0, 256};
    Bytes broken = ObjectFileBytes({0x4C4D0006, 0, "Bust", "Marble Bust", 450, 128, 0, 0, 256});
    broken.resize(broken.size() - 100);  // a download cut short
    const std::vector<std::pair<std::filesystem::path, Bytes>> files = {
        {downloads / "Chair.iff", ObjectFileBytes({kDifferentObjectsGuid, 0, "Chair", "Dining Chair", 80})},
        {downloads / "Lamp.iff", ObjectFileBytes({kDifferentObjectsGuid, 0, "Lamp", "Floor Lamp", 60})},
        {downloads / "Sofa.iff", ObjectFileBytes({kVersionsGuid, 0, "Sofa", "Corner Sofa", 900})},
        {downloads / "Old" / "Sofa.iff", ObjectFileBytes({kVersionsGuid, 0, "Sofa", "Corner Sofa", 850})},
        {downloads / "Rug.iff", ObjectFileBytes(rug)},
        {downloads / "Copies" / "Rug.iff", ObjectFileBytes(rug)},
        {root / "GameData" / "Objects" / "Table.iff",
         ObjectFileBytes({kOverrideGuid, 0, "Table", "Oak Table", 300})},
        {downloads / "Table recolour.iff",
         ObjectFileBytes({kOverrideGuid, kOverrideGuid, "Table", "Oak Table (walnut)", 300})},
        {downloads / "Vase.iff", ObjectFileBytes(vase)},
        {downloads / "Broken.iff", broken},
    };
    std::vector<std::filesystem::path> written;
    for (const auto& [path, bytes] : files) {
        WriteFile(path, bytes);
        written.push_back(path);
    }
    return written;
}

}  // namespace tarnwick::fixtures
