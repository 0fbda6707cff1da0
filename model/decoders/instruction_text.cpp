#include "model/decoders/instruction_text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>

// Sources for the primitive names and operand layouts below, all public
// descriptions of the game's behaviour format written by its modding
// community: the format notes kept with this project (names, the expression's
// layout, operators and scopes, checked against a sample of 136,717 real
// expressions); the Niotso wiki's BHAV page; the SimAntics primitive and
// operand notes of the FreeSO project (sleep, random number, test object type,
// set to next, animate, push interaction and the call arguments). A primitive
// whose layout none of them gives keeps its operand bytes in hex.

namespace tarnwick {

namespace {

using Operands = std::array<std::uint8_t, 8>;

std::uint16_t U16(const Operands& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes.at(at) | bytes.at(at + 1) << 8);
}

std::int16_t I16(const Operands& bytes, std::size_t at) { return static_cast<std::int16_t>(U16(bytes, at)); }

std::uint32_t U32(const Operands& bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(U16(bytes, at)) | static_cast<std::uint32_t>(U16(bytes, at + 2)) << 16;
}

std::string Guid(std::uint32_t guid)
{
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "0x%08X", guid);
    return text.data();
}

// Names of the tables below, "" where no source names the number.
std::string_view NameIn(std::span<const std::string_view> names, std::size_t index)
{
    return index < names.size() ? names[index] : std::string_view{};
}

// A pattern's "{l}" and "{r}" replaced by the two sides.
std::string Fill(std::string_view pattern, const std::string& left, const std::string& right)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.substr(i, 3) == "{l}") {
            text += left;
            i += 2;
        } else if (pattern.substr(i, 3) == "{r}") {
            text += right;
            i += 2;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

// The variable scopes an operand names a value in, by number.
constexpr std::array<std::string_view, 42> kScopes = {
    "my attribute",                           // 0
    "stack object's attribute",               // 1
    "",                                       // 2
    "my object data",                         // 3
    "stack object's data",                    // 4
    "",                                       // 5
    "global",                                 // 6
    "literal",                                // 7
    "temp",                                   // 8
    "parameter",                              // 9
    "stack object ID",                        // 10
    "temp indexed by temp",                   // 11
    "tree ad range",                          // 12
    "stack object's temp",                    // 13
    "my motive",                              // 14
    "stack object's motive",                  // 15
    "stack object's slot",                    // 16
    "stack object's motive by temp",          // 17
    "my person data",                         // 18
    "stack object's person data",             // 19
    "my slot",                                // 20
    "stack object's definition field",        // 21
    "stack object's attribute by parameter",  // 22
    "room by temp 0",                         // 23
    "neighbour in stack object",              // 24
    "local",                                  // 25
    "tuning constant",                        // 26
    "dynamic sprite flag",                    // 27
    "tree ad personality",                    // 28
    "tree ad minimum",                        // 29
    "my person data by temp",                 // 30
    "stack object's person data by temp",     // 31
    "neighbour's person data",                // 32
    "job data",                               // 33
    "neighbourhood data",                     // 34
    "stack object's function",                // 35
    "my type attribute",                      // 36
    "stack object's type attribute",          // 37
    "neighbour's object definition",          // 38
    "",                                       // 39
    "local by temp",                          // 40
    "stack object's attribute by temp",       // 41
};
constexpr std::uint16_t kLiteral = 7;
constexpr std::uint16_t kStackObjectId = 10;

// The expression's operators: comparisons go true or false, the rest assign.
constexpr std::array<std::string_view, 21> kOperators = {
    "{l} > {r}",              // 0
    "{l} < {r}",              // 1
    "{l} == {r}",             // 2
    "{l} += {r}",             // 3
    "{l} -= {r}",             // 4
    "{l} := {r}",             // 5
    "{l} *= {r}",             // 6
    "{l} /= {r}",             // 7
    "{l} has flag {r} set?",  // 8
    "set flag {r} of {l}",    // 9
    "clear flag {r} of {l}",  // 10
    "{l} += 1, then < {r}",   // 11
    "{l} %= {r}",             // 12
    "{l} &= {r}",             // 13
    "{l} >= {r}",             // 14
    "{l} <= {r}",             // 15
    "{l} != {r}",             // 16
    "{l} -= 1, then > {r}",   // 17
    "{l} |= {r}",             // 18
    "{l} ^= {r}",             // 19
    "{l} := sqrt {r}",        // 20
};

// Where an animation is looked up: the byte after the event number.
constexpr std::array<std::string_view, 4> kAnimationSources = {"this object's", "global", "the person's",
                                                               "the stack object's"};

// What "set to next" looks for: the low 7 bits of its flags byte.
constexpr std::array<std::string_view, 12> kSearches = {
    "object",
    "person",
    "non-person object",
    "part of a multi-tile object",
    "object of type",
    "neighbour ID",
    "object of the category in parameter 0",
    "neighbour of type",
    "object on the same tile",
    "object adjacent to the object in local",
    "career",
    "closest house",
};
constexpr std::uint8_t kObjectOfType = 4;
constexpr std::uint8_t kNeighbourOfType = 7;
constexpr std::uint8_t kAdjacentToLocal = 9;

constexpr std::array<std::string_view, 4> kPriorities = {"inherited", "maximum", "autonomous", "user"};

// expression: i16 left value, i16 right value, u8 signed, u8 operator, u8
// left scope, u8 right scope.
std::string Expression(const Operands& bytes)
{
    const std::string_view pattern = NameIn(kOperators, bytes[5]);
    if (pattern.empty())
        return {};
    return Fill(pattern, VariableText(bytes[6], I16(bytes, 0)), VariableText(bytes[7], I16(bytes, 2)));
}

// sleep: u16 number of the parameter that counts the ticks down.
std::string Sleep(const Operands& bytes)
{
    return "for parameter " + std::to_string(U16(bytes, 0)) + " ticks";
}

// generic sims call: u8 the call's number.
std::string GenericCall(const Operands& bytes) { return "call " + std::to_string(bytes[0]); }

// random number: u16 destination value, u16 its scope, u16 range value, u16 its scope.
std::string RandomNumber(const Operands& bytes)
{
    return VariableText(U16(bytes, 2), I16(bytes, 0)) + " := random below " +
           VariableText(U16(bytes, 6), I16(bytes, 4));
}

// push interaction: u8 interaction, u8 where the object is, u8 priority, u8
// flags (bit 0: the object is in a parameter, not a local).
std::string PushInteraction(const Operands& bytes)
{
    const std::string_view priority = NameIn(kPriorities, bytes[2]);
    return "interaction " + std::to_string(bytes[0]) + " of the object in " +
           ((bytes[3] & 1) != 0 ? "parameter " : "local ") + std::to_string(bytes[1]) + ", priority " +
           (priority.empty() ? std::to_string(bytes[2]) : std::string(priority));
}

// set to next: u32 GUID, u8 flags (low 7 bits what to look for; bit 7: the
// result goes to the variable that follows, else to the stack object), u8
// its scope, u8 a local's number, u8 its value.
std::string SetToNext(const Operands& bytes)
{
    const auto search = static_cast<std::uint8_t>(bytes[4] & 0x7F);
    const std::string_view name = NameIn(kSearches, search);
    std::string text = "next " + (name.empty() ? "search " + std::to_string(search) : std::string(name));
    if (search == kObjectOfType || search == kNeighbourOfType)
        text += " " + Guid(U32(bytes, 0));
    if (search == kAdjacentToLocal)
        text += " " + std::to_string(bytes[6]);
    return text + " → " +
           ((bytes[4] & 0x80) != 0 ? VariableText(bytes[5], static_cast<std::int16_t>(bytes[7]))
                                   : std::string("stack object ID"));
}

// test object type: u32 GUID, u16 value, u8 scope of the object's ID.
std::string TestObjectType(const Operands& bytes)
{
    return VariableText(bytes[6], I16(bytes, 4)) + " is of type " + Guid(U32(bytes, 0));
}

// animate: u16 animation ID, u8 event tree, a byte unused, u8 the list the
// animation is taken from.
std::string Animate(const Operands& bytes)
{
    const std::string_view source = NameIn(kAnimationSources, bytes[4]);
    return "animation " + std::to_string(U16(bytes, 0)) + " from " +
           (source.empty() ? "list " + std::to_string(bytes[4]) : std::string(source) + " animations");
}

struct Primitive {
    std::uint8_t opcode;
    std::string_view name;
    std::string (*operands)(const Operands&);  // null: the layout is not known
};

constexpr Primitive kPrimitives[] = {
    {0, "sleep", Sleep},
    {1, "generic sims call", GenericCall},
    {2, "expression", Expression},
    {3, "find best interaction", nullptr},
    {4, "grab", nullptr},
    {5, "drop", nullptr},
    {6, "change suit or accessory", nullptr},
    {7, "refresh", nullptr},
    {8, "random number", RandomNumber},
    {9, "burn", nullptr},
    {11, "get distance to", nullptr},
    {12, "get direction to", nullptr},
    {13, "push interaction", PushInteraction},
    {14, "find best object for function", nullptr},
    {15, "breakpoint", nullptr},
    {16, "find location for", nullptr},
    {17, "idle for input", nullptr},
    {18, "remove object instance", nullptr},
    {19, "make new character", nullptr},
    {20, "run functional tree", nullptr},
    {21, "show string", nullptr},
    {22, "look towards", nullptr},
    {23, "play sound", nullptr},
    {24, "old relationship", nullptr},
    {25, "budget", nullptr},
    {26, "relationship", nullptr},
    {27, "goto relative", nullptr},
    {28, "run tree by name", nullptr},
    {29, "set motive deltas", nullptr},
    {30, "gosub found action", nullptr},
    {31, "set to next", SetToNext},
    {32, "test object type", TestObjectType},
    {35, "special effect", nullptr},
    {36, "dialog (private strings)", nullptr},
    {37, "test sim interacting with", nullptr},
    {38, "dialog (global strings)", nullptr},
    {39, "dialog (semi-global strings)", nullptr},
    {41, "set balloon/headline", nullptr},
    {42, "create object instance", nullptr},
    {43, "drop onto", nullptr},
    {44, "animate", Animate},
    {45, "go to routing slot", nullptr},
    {46, "snap", nullptr},
    {47, "reach", nullptr},
    {48, "stop all sounds", nullptr},
    {49, "notify stack object out of idle", nullptr},
    {50, "change action string", nullptr},
    {51, "manage inventory", nullptr},
    {63, "get terrain info", nullptr},
    {65, "find best action", nullptr},
    {67, "inventory operations", nullptr},
};

const Primitive* FindPrimitive(std::uint16_t opcode)
{
    const auto* found = std::find_if(std::begin(kPrimitives), std::end(kPrimitives),
                                     [&](const Primitive& primitive) { return primitive.opcode == opcode; });
    return found != std::end(kPrimitives) ? found : nullptr;
}

// A call's operands: four signed 16-bit arguments; all four -1 pass temps 0-3.
std::string CallArguments(const Operands& bytes)
{
    const std::array<std::int16_t, 4> arguments = {I16(bytes, 0), I16(bytes, 2), I16(bytes, 4),
                                                   I16(bytes, 6)};
    if (std::all_of(arguments.begin(), arguments.end(), [](std::int16_t value) { return value == -1; }))
        return "temps 0-3 as arguments";
    std::string text = "arguments";
    for (std::size_t i = 0; i < arguments.size(); ++i)
        text += (i == 0 ? " " : ", ") + std::to_string(arguments.at(i));
    return text;
}

}  // namespace

std::string_view PrimitiveName(std::uint16_t opcode)
{
    const Primitive* primitive = FindPrimitive(opcode);
    return primitive != nullptr ? primitive->name : std::string_view{};
}

std::string OpcodeText(std::uint16_t opcode, const CalledBehaviourNames& names)
{
    const OpcodeKind kind = KindOfOpcode(opcode);
    if (kind == OpcodeKind::Primitive) {
        const std::string_view name = PrimitiveName(opcode);
        return name.empty() ? "primitive " + std::to_string(opcode) : std::string(name);
    }
    static constexpr std::array<std::string_view, 4> kCallWords = {"", "global ", "local ", "semi-global "};
    std::string text = std::string(kCallWords.at(static_cast<std::size_t>(kind))) + std::to_string(opcode);
    if (names)
        if (const std::string name = names(kind, opcode); !name.empty())
            text += " " + name;
    return text;
}

std::string OperandText(const Instruction& instruction)
{
    if (KindOfOpcode(instruction.opcode) != OpcodeKind::Primitive)
        return CallArguments(instruction.operands);
    const Primitive* primitive = FindPrimitive(instruction.opcode);
    return primitive != nullptr && primitive->operands != nullptr ? primitive->operands(instruction.operands)
                                                                  : std::string{};
}

std::string VariableText(std::uint16_t scope, std::int16_t data)
{
    if (scope == kLiteral)
        return "literal " + std::to_string(data);
    if (scope == kStackObjectId && data == 0)
        return "stack object ID";
    const std::string_view name = NameIn(kScopes, scope);
    const std::string number = std::to_string(static_cast<std::uint16_t>(data));
    return name.empty() ? "scope " + std::to_string(scope) + " #" + number : std::string(name) + " " + number;
}

}  // namespace tarnwick
