#include "model/decoders/interaction_names.h"

#include <array>
#include <cstdio>

// The flag and motive names come from the modding community's public notes on
// interaction tables: the project's format notes (attenuation codes), the
// Niotso wiki's TTAB page and the FreeSO project's notes on TTAB flags and
// motives. The index names a motive as the game numbers a Sim's motives.

namespace tarnwick {

namespace {

constexpr std::array<std::string_view, 13> kFlags = {
    "visitors",               // 0: visitors may use it
    "joinable",               // 1
    "run immediately",        // 2
    "consecutive",            // 3: may be queued again right after itself
    "not for children",       // 4
    "not for demo children",  // 5
    "not for adults",         // 6
    "debug menu",             // 7
    "auto first select",      // 8
    "leapfrog",               // 9
    "must run",               // 10
    "dogs",                   // 11
    "cats",                   // 12
};

constexpr std::array<std::string_view, 13> kMotives = {
    "happy life",  // 0
    "happy week",  // 1
    "happy day",   // 2
    "physical",    // 3
    "energy",      // 4
    "comfort",     // 5
    "hunger",      // 6
    "hygiene",     // 7
    "bladder",     // 8
    "mental",      // 9
    "social",      // 10
    "room",        // 11
    "fun",         // 12
};

std::string Signed(int value) { return (value > 0 ? "+" : "") + std::to_string(value); }

}  // namespace

std::string InteractionFlagNames(std::uint32_t flags)
{
    std::string text;
    for (unsigned bit = 0; bit < 32; ++bit) {
        if ((flags >> bit & 1u) == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += bit < kFlags.size() ? std::string(kFlags.at(bit)) : "bit " + std::to_string(bit);
    }
    return text;
}

std::string_view MotiveName(std::size_t index) { return index < kMotives.size() ? kMotives.at(index) : ""; }

std::string MotivesText(const std::vector<MotiveEntry>& motives, std::uint16_t version)
{
    std::string text;
    for (std::size_t i = 0; i < motives.size(); ++i) {
        const MotiveEntry& motive = motives[i];
        if (motive == MotiveEntry{})
            continue;
        const std::string_view name = MotiveName(i);
        if (!text.empty())
            text += "; ";
        text += (name.empty() ? "motive " : std::string(name) + " (") + std::to_string(i) +
                (name.empty() ? " " : ") ") + Signed(motive.delta);
        if (version >= kFirstLongInteractionsVersion && motive.minimum != 0)
            text += ", minimum " + std::to_string(motive.minimum);
        if (version >= kFirstLongInteractionsVersion && motive.personality != 0)
            text += ", personality " + std::to_string(motive.personality);
    }
    return text;
}

std::string AttenuationText(const Interaction& interaction, std::uint16_t version)
{
    std::array<char, 32> value{};
    std::snprintf(value.data(), value.size(), "%.3g", static_cast<double>(AttenuationValue(interaction)));
    if (version < kFirstLongInteractionsVersion)
        return value.data();
    const std::string_view name = AttenuationName(interaction.attenuationCode);
    if (name.empty())
        return "code " + std::to_string(interaction.attenuationCode);
    return interaction.attenuationCode == 0 ? std::string(name) + " " + value.data() : std::string(name);
}

}  // namespace tarnwick
