#include "model/decoders/behaviour.h"

#include <algorithm>

#include "model/container/byte_reader.h"

namespace tarnwick {

namespace {

constexpr std::uint16_t kCompactHeader = 0x8003;  // 8-bit counts and a 32-bit instruction count
constexpr std::uint8_t kErrorTarget = 253;
constexpr std::uint8_t kReturnTrue = 254;
constexpr std::uint8_t kReturnFalse = 255;

// 0x8000-0x8002: u16 count, u8 tree type, u8 arguments, u16 locals, u16 tree
// version, 2 unused bytes.
bool ReadWideHeader(ByteReader& reader, Behaviour& behaviour)
{
    const auto header = reader.Bytes(10);
    if (!header)
        return false;
    ByteReader field(*header);  // every read below is inside it
    behaviour.declaredCount = field.U16le().value_or(0);
    behaviour.treeType = field.U8().value_or(0);
    behaviour.argumentCount = field.U8().value_or(0);
    behaviour.localCount = field.U16le().value_or(0);
    behaviour.treeVersion = field.U16le().value_or(0);
    return true;
}

// 0x8003: u8 tree type, u8 arguments, u8 locals, 2 unused bytes, u16 tree
// version, u32 count.
bool ReadCompactHeader(ByteReader& reader, Behaviour& behaviour)
{
    const auto header = reader.Bytes(11);
    if (!header)
        return false;
    ByteReader field(*header);  // every read below is inside it
    behaviour.treeType = field.U8().value_or(0);
    behaviour.argumentCount = field.U8().value_or(0);
    behaviour.localCount = field.U8().value_or(0);
    (void)field.Skip(2);
    behaviour.treeVersion = field.U16le().value_or(0);
    behaviour.declaredCount = field.U32le().value_or(0);
    return true;
}

Instruction ReadInstruction(ByteSpan bytes)
{
    Instruction instruction;
    instruction.opcode = static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
    instruction.trueTarget = bytes[2];
    instruction.falseTarget = bytes[3];
    std::copy(bytes.begin() + 4, bytes.begin() + 12, instruction.operands.begin());
    return instruction;
}

}  // namespace

Decoded<Behaviour> DecodeBehaviour(ByteSpan body)
{
    ByteReader reader(body);
    const auto signature = reader.U16le();
    if (!signature)
        return Decoded<Behaviour>::Decline("The body is too short for a behaviour's signature.");
    if (*signature < 0x8000 || *signature > kCompactHeader)
        return Decoded<Behaviour>::Decline("Unknown behaviour signature " + std::to_string(*signature) + ".");
    Behaviour behaviour;
    behaviour.signature = *signature;
    const bool read = *signature == kCompactHeader ? ReadCompactHeader(reader, behaviour)
                                                   : ReadWideHeader(reader, behaviour);
    if (!read)
        return Decoded<Behaviour>::Decline("The behaviour's header is cut short.");

    // Only as many instructions as the bytes hold are read, whatever the count says.
    const std::size_t fits = reader.Remaining() / kInstructionSize;
    const std::size_t count = std::min<std::size_t>(behaviour.declaredCount, fits);
    behaviour.instructions.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        if (const auto bytes = reader.Bytes(kInstructionSize))
            behaviour.instructions.push_back(ReadInstruction(*bytes));
    if (count < behaviour.declaredCount)
        behaviour.warning = "The data ends after " + std::to_string(count) + " of " +
                            std::to_string(behaviour.declaredCount) + " instructions.";
    behaviour.trailingBytes = reader.Remaining();
    return Decoded<Behaviour>::Of(std::move(behaviour));
}

OpcodeKind KindOfOpcode(std::uint16_t opcode)
{
    if (opcode < 256)
        return OpcodeKind::Primitive;
    if (opcode < 4096)
        return OpcodeKind::GlobalCall;
    if (opcode < 8192)
        return OpcodeKind::LocalCall;
    return OpcodeKind::SemiGlobalCall;
}

TargetKind KindOfTarget(std::uint8_t target, std::size_t instructionCount)
{
    switch (target) {
    case kErrorTarget:
        return TargetKind::Error;
    case kReturnTrue:
        return TargetKind::ReturnTrue;
    case kReturnFalse:
        return TargetKind::ReturnFalse;
    default:
        return target < instructionCount ? TargetKind::Instruction : TargetKind::PastTheEnd;
    }
}

}  // namespace tarnwick
