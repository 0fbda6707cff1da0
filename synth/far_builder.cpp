#include "synth/far_builder.h"

#include <utility>

namespace tarnwick::fixtures {

namespace {

void AppendLe(Bytes& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

FarBuilder& FarBuilder::Member(std::string name, Bytes bytes)
{
    entries_.push_back({std::move(name), std::move(bytes), {}, {}, {}, {}});
    return *this;
}

FarBuilder& FarBuilder::Offset(std::uint32_t offset)
{
    entries_.back().offset = offset;
    return *this;
}

FarBuilder& FarBuilder::SecondSize(std::uint32_t size)
{
    entries_.back().secondSize = size;
    return *this;
}

FarBuilder& FarBuilder::Size(std::uint32_t size)
{
    entries_.back().size = size;
    entries_.back().secondSize = size;
    return *this;
}

FarBuilder& FarBuilder::NameLength(std::uint32_t length)
{
    entries_.back().nameLength = length;
    return *this;
}

FarBuilder& FarBuilder::Version(std::uint32_t version)
{
    version_ = version;
    return *this;
}

FarBuilder& FarBuilder::ManifestOffset(std::uint32_t offset)
{
    manifestOffset_ = offset;
    return *this;
}

FarBuilder& FarBuilder::Count(std::uint32_t count)
{
    count_ = count;
    return *this;
}

FarBuilder& FarBuilder::AfterManifest(Bytes bytes)
{
    afterManifest_ = std::move(bytes);
    return *this;
}

Bytes FarBuilder::Build() const
{
    Bytes out = ToBytes(kFarMagic);
    AppendLe(out, version_, 4);
    AppendLe(out, 0, 4);  // the manifest offset, written once it is known
    Bytes manifest;
    AppendLe(manifest, count_.value_or(static_cast<std::uint32_t>(entries_.size())), 4);
    for (const Entry& entry : entries_) {
        const auto offset = static_cast<std::uint32_t>(out.size());
        out.insert(out.end(), entry.bytes.begin(), entry.bytes.end());
        const auto size = static_cast<std::uint32_t>(entry.bytes.size());
        AppendLe(manifest, entry.size.value_or(size), 4);
        AppendLe(manifest, entry.secondSize.value_or(size), 4);
        AppendLe(manifest, entry.offset.value_or(offset), 4);
        AppendLe(manifest, entry.nameLength.value_or(static_cast<std::uint32_t>(entry.name.size())),
                 layout_ == FarLayout::Version1a ? 4 : 2);
        manifest.insert(manifest.end(), entry.name.begin(), entry.name.end());
    }
    const auto manifestAt = static_cast<std::uint32_t>(out.size());
    const std::uint32_t written = manifestOffset_.value_or(manifestAt);
    for (int i = 0; i < 4; ++i)
        out[12 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(written >> (8 * i));
    out.insert(out.end(), manifest.begin(), manifest.end());
    out.insert(out.end(), afterManifest_.begin(), afterManifest_.end());
    return out;
}

}  // namespace tarnwick::fixtures
