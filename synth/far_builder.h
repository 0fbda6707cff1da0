#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/archive/far_archive.h"
#include "synth/iff_builder.h"

namespace tarnwick::fixtures {

// Writes FAR archives as the game packs them: the header, the members' bytes
// one after another from byte 16, then the manifest. Knobs make the damaged
// ones: any field of the header or of the last member's entry may be given.
class FarBuilder {
public:
    explicit FarBuilder(FarLayout layout = FarLayout::Version1a) : layout_(layout) {}

    // A member whose entry is right for its bytes; the name is stored as given.
    FarBuilder& Member(std::string name, Bytes bytes);

    // Knobs on the last member's entry.
    FarBuilder& Offset(std::uint32_t offset);
    FarBuilder& SecondSize(std::uint32_t size);  // 1a's second size
    FarBuilder& Size(std::uint32_t size);        // both sizes
    FarBuilder& NameLength(std::uint32_t length);

    // Knobs on the header and the manifest.
    FarBuilder& Version(std::uint32_t version);
    FarBuilder& ManifestOffset(std::uint32_t offset);
    FarBuilder& Count(std::uint32_t count);
    FarBuilder& AfterManifest(Bytes bytes);

    [[nodiscard]] Bytes Build() const;

private:
    struct Entry {
        std::string name;
        Bytes bytes;
        std::optional<std::uint32_t> offset, size, secondSize, nameLength;
    };
    FarLayout layout_;
    std::vector<Entry> entries_;
    std::uint32_t version_ = 1;
    std::optional<std::uint32_t> manifestOffset_, count_;
    Bytes afterManifest_;
};

}  // namespace tarnwick::fixtures
