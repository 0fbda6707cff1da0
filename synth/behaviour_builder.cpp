#include "synth/behaviour_builder.h"

#include <array>

namespace tarnwick::fixtures {

namespace {

// Writes bits most significant first, the last byte padded with zeros.
class BitWriter {
public:
    explicit BitWriter(Bytes& out) : out_(out) {}

    void Bits(std::uint32_t value, unsigned count)
    {
        for (unsigned i = count; i-- > 0;) {
            if (used_ % 8 == 0)
                out_.push_back(0);
            out_.back() = static_cast<std::uint8_t>(out_.back() | ((value >> i) & 1u) << (7 - used_ % 8));
            ++used_;
        }
    }

private:
    Bytes& out_;
    std::size_t used_ = 0;
};

enum class Width { Short, Long };

class FieldWriter {
public:
    FieldWriter(Bytes& out, bool bitPacked) : out_(out), bits_(out), bitPacked_(bitPacked) {}

    void Field(std::uint32_t value, Width width)
    {
        if (!bitPacked_) {
            AppendLittleEndian(out_, value, width == Width::Short ? 2 : 4);
            return;
        }
        // The value as the signed number of its width: it must survive sign extension.
        const std::int64_t number = width == Width::Short ? std::int64_t{static_cast<std::int16_t>(value)}
                                                          : std::int64_t{static_cast<std::int32_t>(value)};
        if (number == 0) {
            bits_.Bits(0, 1);
            return;
        }
        static constexpr std::array<unsigned, 4> kShortWidths = {5, 8, 13, 16};
        static constexpr std::array<unsigned, 4> kLongWidths = {6, 11, 21, 32};
        const auto& widths = width == Width::Short ? kShortWidths : kLongWidths;
        std::uint32_t code = 0;
        while (code < 3 && (number < -(std::int64_t{1} << (widths.at(code) - 1)) ||
                            number >= std::int64_t{1} << (widths.at(code) - 1)))
            ++code;
        bits_.Bits(1, 1);
        bits_.Bits(code, 2);
        bits_.Bits(value, widths.at(code));
    }

private:
    Bytes& out_;
    BitWriter bits_;
    bool bitPacked_;
};

}  // namespace

Bytes BehaviourBody(const BehaviourHeader& header, const std::vector<Instruction>& instructions)
{
    const std::uint64_t count =
        header.declaredCount >= 0 ? static_cast<std::uint64_t>(header.declaredCount) : instructions.size();
    Bytes out;
    AppendLittleEndian(out, header.signature, 2);
    if (header.signature == 0x8003) {
        out.push_back(header.treeType);
        out.push_back(header.argumentCount);
        out.push_back(static_cast<std::uint8_t>(header.localCount));
        AppendLittleEndian(out, 0, 2);
        AppendLittleEndian(out, header.treeVersion, 2);
        AppendLittleEndian(out, count, 4);
    } else {
        AppendLittleEndian(out, count, 2);
        out.push_back(header.treeType);
        out.push_back(header.argumentCount);
        AppendLittleEndian(out, header.localCount, 2);
        AppendLittleEndian(out, header.treeVersion, 2);
        AppendLittleEndian(out, 0, 2);
    }
    for (const Instruction& instruction : instructions) {
        AppendLittleEndian(out, instruction.opcode, 2);
        out.push_back(instruction.trueTarget);
        out.push_back(instruction.falseTarget);
        out.insert(out.end(), instruction.operands.begin(), instruction.operands.end());
    }
    return out;
}

Bytes InteractionsBody(std::uint16_t version, const std::vector<Interaction>& interactions, bool bitPacked)
{
    Bytes out;
    AppendLittleEndian(out, interactions.size(), 2);
    AppendLittleEndian(out, version, 2);
    if (version >= 9)
        out.push_back(bitPacked ? 1 : 0);
    FieldWriter fields(out, bitPacked && version >= 9);
    const bool longForm = version >= 7;
    for (const Interaction& interaction : interactions) {
        fields.Field(interaction.actionId, Width::Short);
        fields.Field(interaction.testId, Width::Short);
        fields.Field(static_cast<std::uint32_t>(interaction.motives.size()), Width::Long);
        fields.Field(interaction.flags, Width::Long);
        fields.Field(interaction.textIndex, Width::Long);
        if (longForm)
            fields.Field(interaction.attenuationCode, Width::Long);
        fields.Field(interaction.attenuationBits, Width::Long);
        fields.Field(interaction.autonomy, Width::Long);
        fields.Field(static_cast<std::uint32_t>(interaction.joiningIndex), Width::Long);
        for (const MotiveEntry& motive : interaction.motives) {
            if (longForm)
                fields.Field(static_cast<std::uint16_t>(motive.minimum), Width::Short);
            fields.Field(static_cast<std::uint16_t>(motive.delta), Width::Short);
            if (longForm)
                fields.Field(motive.personality, Width::Short);
        }
        if (version == 10)
            fields.Field(interaction.moreFlags, Width::Long);
    }
    return out;
}

Bytes ConstantsBody(std::uint8_t flags, const std::vector<std::uint16_t>& values, int declaredCount)
{
    Bytes out{static_cast<std::uint8_t>(declaredCount >= 0 ? declaredCount : static_cast<int>(values.size())),
              flags};
    for (const std::uint16_t value : values)
        AppendLittleEndian(out, value, 2);
    return out;
}

}  // namespace tarnwick::fixtures
