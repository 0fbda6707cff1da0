#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/decoders/behaviour.h"

namespace tarnwick {

// The name of behaviour ID of the file an opcode of KIND calls (the global
// file, this file, the semi-global file), or "" when it is not known. The
// caller fills it from the files it has; none means every call is numbered.
using CalledBehaviourNames = std::function<std::string(OpcodeKind kind, std::uint16_t id)>;

// The primitive's name ("sleep", "expression", ...), or "" for an opcode of
// no known name or not a primitive.
[[nodiscard]] std::string_view PrimitiveName(std::uint16_t opcode);

// What an opcode runs, as a modder reads it: "expression", "primitive 10"
// (no known name), "global 280", "local 4097 Wash hands", "semi-global 8193".
[[nodiscard]] std::string OpcodeText(std::uint16_t opcode, const CalledBehaviourNames& names = {});

// The instruction's operands decoded ("temp 5 := literal 7"), or "" when the
// primitive's operand layout is not known: then only the bytes say it.
[[nodiscard]] std::string OperandText(const Instruction& instruction);

// A variable as an operand names it: "temp 5", "literal -1", "my motive 6".
[[nodiscard]] std::string VariableText(std::uint16_t scope, std::int16_t data);

}  // namespace tarnwick
