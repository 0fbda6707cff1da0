#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/container/byte_string.h"
#include "model/decoders/decoded.h"

namespace tarnwick {

// What an instruction's opcode runs: a built-in primitive (0-255), or a call
// to a behaviour of the global file (256-4095), of this file (4096-8191) or of
// the object's semi-global file (8192 and up).
enum class OpcodeKind { Primitive, GlobalCall, LocalCall, SemiGlobalCall };

// Where an instruction goes next: another instruction, or one of the three
// ends. A number that names no instruction is kept apart, never followed.
enum class TargetKind { Instruction, Error, ReturnTrue, ReturnFalse, PastTheEnd };

struct Instruction {
    std::uint16_t opcode = 0;
    std::uint8_t trueTarget = 0;
    std::uint8_t falseTarget = 0;
    std::array<std::uint8_t, 8> operands{};

    bool operator==(const Instruction&) const = default;
};

// A behaviour's header fields as they stand in the file, and its instructions.
struct Behaviour {
    std::uint16_t signature = 0;  // 0x8000-0x8003: the header's form
    std::uint8_t treeType = 0;
    std::uint8_t argumentCount = 0;
    std::uint16_t localCount = 0;
    std::uint16_t treeVersion = 0;
    std::uint32_t declaredCount = 0;  // instructions, as the header says
    std::vector<Instruction> instructions;
    std::size_t trailingBytes = 0;
    std::string warning;  // where the instructions stop before the declared count
};

inline constexpr std::size_t kInstructionSize = 12;

// Decodes a "BHAV" body in either header form. Declines an unknown signature
// or a header cut short; keeps the instructions that fit when the count
// overruns the body.
[[nodiscard]] Decoded<Behaviour> DecodeBehaviour(ByteSpan body);

[[nodiscard]] OpcodeKind KindOfOpcode(std::uint16_t opcode);
[[nodiscard]] TargetKind KindOfTarget(std::uint8_t target, std::size_t instructionCount);

}  // namespace tarnwick
