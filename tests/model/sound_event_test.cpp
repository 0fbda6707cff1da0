#include "model/decoders/sound_event.h"

#include <gtest/gtest.h>

#include "synth/iff_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;

TEST(DecodeSoundEvent, ReadsTheNameUpToItsNul)
{
    const struct {
        const char* name;
        Bytes body;
        std::string sound;
        std::size_t trailing;
        bool warned;
    } rows[] = {
        {"a name and its NUL", {'p', 'o', 'u', 'r', 0x00}, "pour", 0, false},
        {"filler after the NUL", {'d', 'i', 'n', 'g', 0x00, 0xA3, 0xA3}, "ding", 2, false},
        {"no NUL: the whole body", {'h', 'u', 'm'}, "hum", 0, true},
        {"a NUL first: an empty name", {0x00, 'x'}, "", 1, false},
        {"bytes past ASCII kept as stored", {'c', 'a', 'f', 0xE9, 0x00}, "caf\xE9", 0, false},
    };
    for (const auto& row : rows) {
        const Decoded<SoundEvent> sound = DecodeSoundEvent(row.body);
        ASSERT_TRUE(sound.value) << row.name;
        EXPECT_EQ(sound.value->name, row.sound) << row.name;
        EXPECT_EQ(sound.value->trailingBytes, row.trailing) << row.name;
        EXPECT_EQ(!sound.value->warning.empty(), row.warned) << row.name;
    }
}

TEST(DecodeSoundEvent, DeclinesAnEmptyBody) { EXPECT_FALSE(DecodeSoundEvent({}).value); }

}  // namespace
}  // namespace tarnwick
