#include "model/decoders/behaviour.h"

#include <gtest/gtest.h>

#include "synth/behaviour_builder.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

using fixtures::BehaviourBody;
using fixtures::BehaviourHeader;
using fixtures::Bytes;

// One instruction of each opcode kind, going to each kind of target.
const std::vector<Instruction> kInstructions = {
    {2, 1, 253, {1, 2, 3, 4, 5, 6, 7, 8}},  // primitive: next, error
    {256, 254, 255, {}},                    // global call: return true, return false
    {4096, 2, 9, {}},                       // local call: itself, past the end
    {8192, 255, 3, {}},                     // semi-global call
};

TEST(DecodeBehaviour, ReadsBothHeaderFormsAsTheyStand)
{
    const struct {
        const char* name;
        BehaviourHeader header;
    } rows[] = {
        {"0x8000, fields all zero", {0x8000, 0, 0, 0, 0, -1}},
        {"0x8001", {0x8001, 1, 4, 4, 0, -1}},
        {"0x8002 with wide local count", {0x8002, 2, 3, 300, 7, -1}},
        {"0x8003", {0x8003, 1, 2, 200, 0x1234, -1}},
    };
    for (const auto& row : rows) {
        const Decoded<Behaviour> decoded = DecodeBehaviour(BehaviourBody(row.header, kInstructions));
        ASSERT_TRUE(decoded.value) << row.name << ": " << decoded.declined;
        const Behaviour& behaviour = *decoded.value;
        EXPECT_EQ(behaviour.signature, row.header.signature) << row.name;
        EXPECT_EQ(behaviour.treeType, row.header.treeType) << row.name;
        EXPECT_EQ(behaviour.argumentCount, row.header.argumentCount) << row.name;
        EXPECT_EQ(behaviour.localCount, row.header.localCount) << row.name;
        EXPECT_EQ(behaviour.treeVersion, row.header.treeVersion) << row.name;
        EXPECT_EQ(behaviour.declaredCount, kInstructions.size()) << row.name;
        EXPECT_EQ(behaviour.instructions, kInstructions) << row.name;
        EXPECT_EQ(behaviour.trailingBytes, 0u) << row.name;
        EXPECT_EQ(behaviour.warning, "") << row.name;
    }
}

TEST(DecodeBehaviour, ClassifiesOpcodesAndTargets)
{
    const struct {
        std::uint16_t opcode;
        OpcodeKind kind;
    } opcodes[] = {{0, OpcodeKind::Primitive},         {255, OpcodeKind::Primitive},
                   {256, OpcodeKind::GlobalCall},      {4095, OpcodeKind::GlobalCall},
                   {4096, OpcodeKind::LocalCall},      {8191, OpcodeKind::LocalCall},
                   {8192, OpcodeKind::SemiGlobalCall}, {0xFFFF, OpcodeKind::SemiGlobalCall}};
    for (const auto& row : opcodes)
        EXPECT_EQ(KindOfOpcode(row.opcode), row.kind) << row.opcode;
    const struct {
        std::uint8_t target;
        std::size_t count;
        TargetKind kind;
    } targets[] = {{0, 1, TargetKind::Instruction},     {3, 4, TargetKind::Instruction},
                   {4, 4, TargetKind::PastTheEnd},      {252, 4, TargetKind::PastTheEnd},
                   {252, 253, TargetKind::Instruction}, {253, 300, TargetKind::Error},
                   {254, 0, TargetKind::ReturnTrue},    {255, 300, TargetKind::ReturnFalse}};
    for (const auto& row : targets)
        EXPECT_EQ(KindOfTarget(row.target, row.count), row.kind) << int{row.target} << " of " << row.count;
}

TEST(DecodeBehaviour, KeepsWhatFitsOrDeclines)
{
    const Bytes wide = BehaviourBody({}, kInstructions);
    const Bytes compact = BehaviourBody({0x8003, 0, 0, 0, 0, -1}, kInstructions);
    const struct {
        const char* name;
        Bytes body;
        std::size_t instructions;  // read; declined when npos
        std::size_t trailing = 0;
    } rows[] = {
        {"the last instruction cut short", Bytes(wide.begin(), wide.end() - 1), 3, 11},
        {"a compact count of four billion", BehaviourBody({0x8003, 0, 0, 0, 0, 0xFFFFFFFF}, kInstructions),
         4},
        {"bytes after the last instruction", fixtures::Concat({wide, {0xA3}}), 4, 1},
        {"no signature", {0x02}, std::string::npos},
        {"an unknown signature", BehaviourBody({0x7FFF, 0, 0, 0, 0, -1}, kInstructions), std::string::npos},
        {"a wide header cut short", Bytes(wide.begin(), wide.begin() + 11), std::string::npos},
        {"a compact header cut short", Bytes(compact.begin(), compact.begin() + 12), std::string::npos},
    };
    for (const auto& row : rows) {
        const Decoded<Behaviour> decoded = DecodeBehaviour(row.body);
        if (row.instructions == std::string::npos) {
            EXPECT_FALSE(decoded.value) << row.name;
            EXPECT_NE(decoded.declined, "") << row.name;
            continue;
        }
        ASSERT_TRUE(decoded.value) << row.name;
        EXPECT_EQ(decoded.value->instructions.size(), row.instructions) << row.name;
        EXPECT_EQ(decoded.value->trailingBytes, row.trailing) << row.name;
        EXPECT_EQ(decoded.value->warning.empty(), row.instructions == decoded.value->declaredCount)
            << row.name;
    }
}

// Behaviours written out by hand from the format's description, not by a
// builder. The unused header bytes hold A3 so that reading them shows.
struct HandWrittenBehaviour {
    const char* name;
    Bytes body;
    std::uint16_t signature;
    std::uint8_t treeType;
    std::uint8_t arguments;
    std::uint16_t locals;
    std::uint16_t treeVersion;
    std::vector<Instruction> instructions;
    std::vector<TargetKind> targets;  // true and false target of each instruction
};

const HandWrittenBehaviour kHandWrittenBehaviours[] = {
    {"0x8003: 8-bit counts, 32-bit instruction count",
     {
         0x03, 0x80,                                      // signature 0x8003
         0x01,                                            // tree type 1
         0x02,                                            // 2 arguments
         0x03,                                            // 3 locals
         0xA3, 0xA3,                                      // unused
         0x02, 0x01,                                      // tree version 0x0102
         0x03, 0x00, 0x00, 0x00,                          // 3 instructions
         0x02, 0x00, 0x01, 0xFD,                          // expression; true: 1, false: error
         0x05, 0x00, 0x07, 0x00, 0x00, 0x05, 0x08, 0x07,  //   temp 5 := literal 7
         0x00, 0x10, 0xFE, 0xFF,                          // call 4096; true: return true, false: return false
         0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08,  //   its operands
         0x01, 0x20, 0x03, 0x00,                          // call 8193; true: 3, the count; false: 0
         0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
     },
     0x8003,
     1,
     2,
     3,
     0x0102,
     {{2, 1, 253, {5, 0, 7, 0, 0, 5, 8, 7}}, {4096, 254, 255, {1, 2, 3, 4, 5, 6, 7, 8}}, {8193, 3, 0, {}}},
     {TargetKind::Instruction, TargetKind::Error, TargetKind::ReturnTrue, TargetKind::ReturnFalse,
      TargetKind::PastTheEnd, TargetKind::Instruction}},
    {"0x8002: 16-bit counts",
     {
         0x02, 0x80,                                      // signature 0x8002
         0x01, 0x00,                                      // 1 instruction
         0x02,                                            // tree type 2
         0x04,                                            // 4 arguments
         0x05, 0x01,                                      // 0x0105 locals
         0x03, 0x00,                                      // tree version 3
         0xA3, 0xA3,                                      // unused
         0x00, 0x01, 0xFE, 0x01,                          // call 256; true: return true, false: 1, the count
         0xFF, 0xEE, 0xDD, 0xCC, 0xBB, 0xAA, 0x99, 0x88,  //   its operands
     },
     0x8002,
     2,
     4,
     0x0105,
     3,
     {{256, 254, 1, {0xFF, 0xEE, 0xDD, 0xCC, 0xBB, 0xAA, 0x99, 0x88}}},
     {TargetKind::ReturnTrue, TargetKind::PastTheEnd}},
    {"0x8000: header fields all zero",
     {
         0x00, 0x80,              // signature 0x8000
         0x01, 0x00,              // 1 instruction
         0x00, 0x00, 0x00, 0x00,  // tree type, arguments, locals
         0x00, 0x00, 0x00, 0x00,  // tree version, unused
         0x00, 0x00, 0xFF, 0xFD,  // sleep; true: return false, false: error
         0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
     },
     0x8000,
     0,
     0,
     0,
     0,
     {{0, 255, 253, {}}},
     {TargetKind::ReturnFalse, TargetKind::Error}},
};

void PrintTo(const HandWrittenBehaviour& row, std::ostream* out) { *out << row.name; }

class DecodeBehaviourWrittenByHand : public testing::TestWithParam<HandWrittenBehaviour> {};

TEST_P(DecodeBehaviourWrittenByHand, ReadsTheHeaderInstructionsAndTargets)
{
    const HandWrittenBehaviour& row = GetParam();
    const Decoded<Behaviour> decoded = DecodeBehaviour(row.body);
    ASSERT_TRUE(decoded.value) << decoded.declined;
    const Behaviour& behaviour = *decoded.value;
    EXPECT_EQ(behaviour.signature, row.signature);
    EXPECT_EQ(behaviour.treeType, row.treeType);
    EXPECT_EQ(behaviour.argumentCount, row.arguments);
    EXPECT_EQ(behaviour.localCount, row.locals);
    EXPECT_EQ(behaviour.treeVersion, row.treeVersion);
    EXPECT_EQ(behaviour.declaredCount, row.instructions.size());
    EXPECT_EQ(behaviour.instructions, row.instructions);
    EXPECT_EQ(behaviour.trailingBytes, 0u);
    EXPECT_EQ(behaviour.warning, "");
    std::vector<TargetKind> targets;
    for (const Instruction& instruction : behaviour.instructions)
        for (const std::uint8_t target : {instruction.trueTarget, instruction.falseTarget})
            targets.push_back(KindOfTarget(target, behaviour.instructions.size()));
    EXPECT_EQ(targets, row.targets);
}

INSTANTIATE_TEST_SUITE_P(Behaviours, DecodeBehaviourWrittenByHand, testing::ValuesIn(kHandWrittenBehaviours),
                         fixtures::RowName());

}  // namespace
}  // namespace tarnwick
