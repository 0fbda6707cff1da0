#include "library/listed_picture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "synth/far_builder.h"
#include "synth/library_tree_builder.h"
#include "synth/showcase_object.h"
#include "synth/temp_dir.h"
#include "tests/support/case_name.h"

namespace tarnwick::library {
namespace {

using fixtures::Bytes;

Bytes ShowcaseFileBytes()
{
    fixtures::IffBuilder file;
    file.Header("IFF FILE 2.5:TYPE FOLLOWED BY SIZE", 0);
    fixtures::AddShowcaseObjectFile(file);
    return file.Build();
}

// A folder with the lamp loose and in an archive, an object without a
// picture, and files that cannot be read as objects.
class ListedPictureFolder {
public:
    ListedPictureFolder()
    {
        (void)dir_.Write("Lamp.iff", ShowcaseFileBytes());
        (void)dir_.Write("Plain.iff", fixtures::ObjectFileBytes({.guid = 1, .label = "plain"}));
        (void)dir_.Write("Objects.far", fixtures::FarBuilder()
                                            .Member("Lamps\\Lamp.iff", ShowcaseFileBytes())
                                            .Member("Cut.iff", ShowcaseFileBytes())
                                            .Size(900)  // the lamp's bytes cut short
                                            .Build());
        (void)dir_.Write("Broken.far", Bytes{'F', 'A', 'R', '!', 'b', 'y'});
        std::filesystem::create_directory(dir_.Path() / "Folder.iff");
    }
    [[nodiscard]] std::string Path(const char* name) const { return (dir_.Path() / name).string(); }

private:
    fixtures::TempDir dir_;
};

struct ListedPictureRow {
    const char* name;
    const char* file;
    const char* member;
    std::uint16_t objdId;
    bool drawn;
};

void PrintTo(const ListedPictureRow& row, std::ostream* out) { *out << row.name; }

const ListedPictureRow kListedPictureRows[] = {
    {"a loose file", "Lamp.iff", "", fixtures::kShowcaseDefinitionId, true},
    {"an archive member", "Objects.far", "Lamps\\Lamp.iff", fixtures::kShowcaseDefinitionId, true},
    {"an object without a picture", "Plain.iff", "", 128, false},
    {"an ID the file lacks", "Lamp.iff", "", 129, false},
    {"a member cut short", "Objects.far", "Cut.iff", fixtures::kShowcaseDefinitionId, false},
    {"a member the archive lacks", "Objects.far", "Lamp.iff", fixtures::kShowcaseDefinitionId, false},
    {"a damaged archive", "Broken.far", "Lamp.iff", fixtures::kShowcaseDefinitionId, false},
    {"a missing file", "Gone.iff", "", fixtures::kShowcaseDefinitionId, false},
    {"a folder", "Folder.iff", "", fixtures::kShowcaseDefinitionId, false},
};

class ListedPictures : public testing::TestWithParam<ListedPictureRow> {};

TEST_P(ListedPictures, ReadTheFileAsItIsNow)
{
    const ListedPictureRow& row = GetParam();
    const ListedPictureFolder folder;
    ListedPictureReader reader;
    const std::optional<Composite> picture = reader.Read(folder.Path(row.file), row.member, 0, row.objdId);
    EXPECT_EQ(picture.has_value(), row.drawn);
    if (picture) {
        EXPECT_GT(picture->width, 0);
        EXPECT_GT(picture->height, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ListedPictures, testing::ValuesIn(kListedPictureRows), fixtures::RowName());

TEST(ListedPictureReader, KeepsTheLastFileUntilToldToForget)
{
    const fixtures::TempDir dir;
    const std::string path = dir.Write("Lamp.iff", ShowcaseFileBytes());
    ListedPictureReader reader;
    EXPECT_TRUE(reader.Read(path, "", 0, fixtures::kShowcaseDefinitionId));
    (void)dir.Write("Lamp.iff", fixtures::ObjectFileBytes({.objdId = fixtures::kShowcaseDefinitionId}));
    EXPECT_TRUE(reader.Read(path, "", 0, fixtures::kShowcaseDefinitionId));
    reader.Forget();
    EXPECT_FALSE(reader.Read(path, "", 0, fixtures::kShowcaseDefinitionId));
}

}  // namespace
}  // namespace tarnwick::library
