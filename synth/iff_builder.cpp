#include "synth/iff_builder.h"

#include <algorithm>

namespace tarnwick::fixtures {

Bytes ToBytes(std::string_view text) { return {text.begin(), text.end()}; }

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

void AppendLittleEndian(Bytes& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

namespace {

void AppendU32Le(Bytes& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void AppendU32Be(Bytes& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace

IffBuilder& IffBuilder::Header(std::string_view text, std::uint32_t rsmpPosition)
{
    std::fill(bytes_.begin(), bytes_.begin() + 60, ' ');
    std::copy_n(text.begin(), std::min<std::size_t>(text.size(), 60), bytes_.begin());
    bytes_.resize(60);
    AppendU32Be(bytes_, rsmpPosition);
    return *this;
}

IffBuilder& IffBuilder::Chunk(std::string_view type, std::string_view label, const Bytes& contents,
                              std::uint32_t id)
{
    return ChunkWithSizeField(type, static_cast<std::uint32_t>(76 + contents.size()), label, contents, id);
}

IffBuilder& IffBuilder::ChunkWithSizeField(std::string_view type, std::uint32_t sizeField,
                                           std::string_view label, const Bytes& contents, std::uint32_t id)
{
    Bytes typeCode = ToBytes(type);
    typeCode.resize(4, ' ');
    Raw(typeCode);
    AppendU32Be(bytes_, sizeField);
    AppendU32Be(bytes_, id);
    Bytes labelField = ToBytes(label.substr(0, std::min<std::size_t>(label.size(), 64)));
    labelField.resize(64, 0);
    Raw(labelField);
    return Raw(contents);
}

IffBuilder& IffBuilder::Raw(const Bytes& bytes)
{
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

Bytes StringTableContents(std::uint8_t format, std::uint8_t count, const Bytes& records)
{
    return Concat({{format, 0, count}, records});
}

ResourceMapBuilder& ResourceMapBuilder::Type(std::string_view type, std::int32_t entryCount)
{
    blocks_.insert(blocks_.end(), type.rbegin(), type.rend());
    AppendU32Le(blocks_, static_cast<std::uint32_t>(entryCount));
    ++types_;
    return *this;
}

ResourceMapBuilder& ResourceMapBuilder::Entry(std::uint32_t offset, std::uint16_t id1, std::uint16_t id2,
                                              std::string_view name, std::uint8_t ending, bool pad)
{
    AppendU32Le(blocks_, offset);
    AppendU32Le(blocks_, static_cast<std::uint32_t>(id1 | (id2 << 16)));
    blocks_.insert(blocks_.end(), name.begin(), name.end());
    blocks_.push_back(ending);
    if (pad)
        blocks_.push_back(0xA3);
    return *this;
}

ResourceMapBuilder& ResourceMapBuilder::Raw(const Bytes& bytes)
{
    blocks_.insert(blocks_.end(), bytes.begin(), bytes.end());
    return *this;
}

Bytes ResourceMapBuilder::Build(std::int64_t blockCount) const
{
    Bytes out = ToBytes("pmsr");
    AppendU32Le(out, static_cast<std::uint32_t>(12 + blocks_.size()));
    AppendU32Le(out, static_cast<std::uint32_t>(blockCount < 0 ? types_ : blockCount));
    out.insert(out.end(), blocks_.begin(), blocks_.end());
    return out;
}

}  // namespace tarnwick::fixtures
