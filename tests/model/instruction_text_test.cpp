#include "model/decoders/instruction_text.h"

#include <gtest/gtest.h>

#include <ostream>

#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

// One instruction's opcode and operand bytes, written out by hand, and the
// text a modder should read.
struct OperandCase {
    const char* name;
    std::uint16_t opcode;
    std::array<std::uint8_t, 8> operands;
    const char* text;
};

void PrintTo(const OperandCase& row, std::ostream* out) { *out << row.name; }

class DecodedOperands : public testing::TestWithParam<OperandCase> {};

TEST_P(DecodedOperands, ReadsAsTheGameRunsIt)
{
    const OperandCase& row = GetParam();
    EXPECT_EQ(OperandText({row.opcode, 0, 0, row.operands}), row.text);
}

// Expression: i16 left, i16 right, u8 signed, u8 operator, u8 left scope, u8 right scope.
// clang-format off
// Expression: i16 left, i16 right, u8 signed, u8 operator, u8 left scope, u8 right scope.
const OperandCase kExpressions[] = {
    {"temp assigned a literal", 2, {0x05, 0x00, 0x07, 0x00, 0x00, 0x05, 0x08, 0x07}, "temp 5 := literal 7"},
    {"negative literal", 2, {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x05, 0x19, 0x07}, "local 0 := literal -1"},
    {"parameter against my attribute", 2, {0x01, 0x00, 0x03, 0x00, 0x00, 0x00, 0x09, 0x00},
     "parameter 1 > my attribute 3"},
    {"stack object ID", 2, {0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x0A, 0x08}, "stack object ID := temp 0"},
    {"scope without a name", 2, {0x03, 0x00, 0x01, 0x00, 0x00, 0x05, 0x2D, 0x07}, "scope 45 #3 := literal 1"},
    {"operator without a name keeps the bytes", 2, {0x00, 0x00, 0x00, 0x00, 0x00, 0x15, 0x08, 0x07}, ""},
};

const OperandCase kOtherPrimitives[] = {
    // u16 the parameter counting down
    {"sleep", 0, {0x01, 0x00, 0, 0, 0, 0, 0, 0}, "for parameter 1 ticks"},
    {"generic sims call", 1, {0x0B, 0, 0, 0, 0, 0, 0, 0}, "call 11"},
    // u16 destination, u16 its scope, u16 range, u16 its scope
    {"random number", 8, {0x02, 0x00, 0x08, 0x00, 0x0A, 0x00, 0x07, 0x00}, "temp 2 := random below literal 10"},
    {"random number into a local, range a constant", 8, {0x00, 0x00, 0x19, 0x00, 0x03, 0x00, 0x1A, 0x00},
     "local 0 := random below tuning constant 3"},
    // u8 interaction, u8 where the object is, u8 priority, u8 flags
    {"push interaction from a local", 13, {0x02, 0x01, 0x03, 0x00, 0, 0, 0, 0},
     "interaction 2 of the object in local 1, priority user"},
    {"push interaction from a parameter", 13, {0x00, 0x00, 0x01, 0x01, 0, 0, 0, 0},
     "interaction 0 of the object in parameter 0, priority maximum"},
    // u32 GUID, u8 flags, u8 scope, u8 local, u8 value
    {"set to next person", 31, {0, 0, 0, 0, 0x01, 0, 0, 0}, "next person → stack object ID"},
    {"set to next object of type into a temp", 31, {0x78, 0x56, 0x34, 0x12, 0x84, 0x08, 0x00, 0x03},
     "next object of type 0x12345678 → temp 3"},
    {"set to next adjacent", 31, {0, 0, 0, 0, 0x09, 0, 0x02, 0},
     "next object adjacent to the object in local 2 → stack object ID"},
    // u32 GUID, u16 value, u8 its scope
    {"test object type", 32, {0xEF, 0xCD, 0xAB, 0x89, 0x04, 0x00, 0x19, 0x00}, "local 4 is of type 0x89ABCDEF"},
    // u16 animation, u8 event tree, a byte unused, u8 source
    {"animate from the global list", 44, {0x2C, 0x01, 0x00, 0x00, 0x01, 0, 0, 0},
     "animation 300 from global animations"},
    {"animate from the stack object", 44, {0x05, 0x00, 0x00, 0x00, 0x03, 0, 0, 0},
     "animation 5 from the stack object's animations"},
    {"animate from an unknown list", 44, {0x05, 0x00, 0x00, 0x00, 0x09, 0, 0, 0}, "animation 5 from list 9"},
    {"a primitive of unknown layout keeps its bytes", 3, {1, 2, 3, 4, 5, 6, 7, 8}, ""},
    {"an unnamed primitive keeps its bytes", 10, {1, 2, 3, 4, 5, 6, 7, 8}, ""},
    // Calls: four i16 arguments; all -1 passes temps 0-3
    {"global call", 280, {0x02, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x10, 0x00}, "arguments 2, -1, 0, 16"},
    {"local call passing temps", 4097, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "temps 0-3 as arguments"},
    {"semi-global call", 8200, {0, 0, 0, 0, 0, 0, 0, 0}, "arguments 0, 0, 0, 0"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Expression, DecodedOperands, testing::ValuesIn(kExpressions), fixtures::RowName());
INSTANTIATE_TEST_SUITE_P(OtherPrimitives, DecodedOperands, testing::ValuesIn(kOtherPrimitives),
                         fixtures::RowName());

// Every operator, in order, on temp 1 and literal 2: a table shifted by one fails here.
TEST(OperandText, NamesEveryExpressionOperator)
{
    const char* const texts[] = {
        "temp 1 > literal 2",
        "temp 1 < literal 2",
        "temp 1 == literal 2",
        "temp 1 += literal 2",
        "temp 1 -= literal 2",
        "temp 1 := literal 2",
        "temp 1 *= literal 2",
        "temp 1 /= literal 2",
        "temp 1 has flag literal 2 set?",
        "set flag literal 2 of temp 1",
        "clear flag literal 2 of temp 1",
        "temp 1 += 1, then < literal 2",
        "temp 1 %= literal 2",
        "temp 1 &= literal 2",
        "temp 1 >= literal 2",
        "temp 1 <= literal 2",
        "temp 1 != literal 2",
        "temp 1 -= 1, then > literal 2",
        "temp 1 |= literal 2",
        "temp 1 ^= literal 2",
        "temp 1 := sqrt literal 2",
    };
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        const auto op = static_cast<std::uint8_t>(i);
        EXPECT_EQ(OperandText({2, 0, 0, {0x01, 0x00, 0x02, 0x00, 0x00, op, 0x08, 0x07}}), texts[i]) << i;
    }
}

// Every scope, in order, as the game numbers them: two names swapped fail here.
TEST(VariableText, NamesEveryScope)
{
    // clang-format off
    const char* const names[] = {
        "my attribute", "stack object's attribute", "scope 2 #", "my object data", "stack object's data",
        "scope 5 #", "global", "literal", "temp", "parameter", "stack object ID", "temp indexed by temp",
        "tree ad range", "stack object's temp", "my motive", "stack object's motive", "stack object's slot",
        "stack object's motive by temp", "my person data", "stack object's person data", "my slot",
        "stack object's definition field", "stack object's attribute by parameter", "room by temp 0",
        "neighbour in stack object", "local", "tuning constant", "dynamic sprite flag", "tree ad personality",
        "tree ad minimum", "my person data by temp", "stack object's person data by temp",
        "neighbour's person data", "job data", "neighbourhood data", "stack object's function",
        "my type attribute", "stack object's type attribute", "neighbour's object definition", "scope 39 #",
        "local by temp", "stack object's attribute by temp", "scope 42 #"};
    // clang-format on
    for (std::size_t scope = 0; scope < std::size(names); ++scope)
        EXPECT_EQ(VariableText(static_cast<std::uint16_t>(scope), 1),
                  std::string(names[scope]) + (std::string(names[scope]).ends_with('#') ? "1" : " 1"))
            << scope;
    EXPECT_EQ(VariableText(9, -1), "parameter 65535");  // only a literal is signed
}

TEST(OpcodeText, NamesPrimitivesAndCallsThroughTheNamesGiven)
{
    const CalledBehaviourNames names = [](OpcodeKind kind, std::uint16_t id) -> std::string {
        if (kind == OpcodeKind::GlobalCall && id == 280)
            return "Idle";
        if (kind == OpcodeKind::LocalCall && id == 4097)
            return "Wash hands";
        return "";
    };
    const struct {
        std::uint16_t opcode;
        const char* withNames;
        const char* withoutNames;
    } rows[] = {
        {0, "sleep", "sleep"},
        {2, "expression", "expression"},
        {44, "animate", "animate"},
        {67, "inventory operations", "inventory operations"},
        {10, "primitive 10", "primitive 10"},
        {255, "primitive 255", "primitive 255"},
        {280, "global 280 Idle", "global 280"},
        {281, "global 281", "global 281"},
        {4097, "local 4097 Wash hands", "local 4097"},
        {8192, "semi-global 8192", "semi-global 8192"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(OpcodeText(row.opcode, names), row.withNames) << row.opcode;
        EXPECT_EQ(OpcodeText(row.opcode), row.withoutNames) << row.opcode;
    }
}

}  // namespace
}  // namespace tarnwick
