// Every decoded chunk type: a sample written out by hand from the format's
// description, read to the line it must give, then the same hostile bodies
// for all of them. A type added to the table without a sample here fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "model/container/chunk_walker.h"
#include "model/decoders/decoded_types.h"
#include "synth/iff_builder.h"
#include "synth/sprite_builder.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;

struct Sample {
    std::string_view type;
    Bytes body;
    std::string line;  // what reading it must say
};

const Bytes kTexts = {
    0xFD, 0xFF,                                 // a language byte, a value and a comment per entry
    0x02, 0x00,                                 // two entries in all languages
    0x01, 'H',  'i', 0,   0,                    // English (US): "Hi", no comment
    0x03, 'S',  'a', 'l', 'u', 't', 0, 'c', 0,  // French: "Salut", comment "c"
    0xA3, 0xA3,                                 // filler after the last entry
};

// A whole BMP file, as both bitmap types hold one.
const Bytes kBitmap = {
    'B',  'M',  0x3E, 0x00, 0x00, 0x00,        // signature, file size 62
    0x00, 0x00, 0x00, 0x00,                    // reserved
    0x36, 0x00, 0x00, 0x00,                    // pixels at byte 54
    0x28, 0x00, 0x00, 0x00,                    // a 40-byte info header
    0x02, 0x00, 0x00, 0x00,                    // width 2
    0x01, 0x00, 0x00, 0x00,                    // height 1, rows from the bottom
    0x01, 0x00, 0x18, 0x00,                    // one plane, 24 bits a pixel
    0x00, 0x00, 0x00, 0x00,                    // no compression
    0x08, 0x00, 0x00, 0x00,                    // 8 bytes of pixels
    0,    0,    0,    0,    0,    0,    0, 0,  // resolution
    0,    0,    0,    0,    0,    0,    0, 0,  // colours used, important
    0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00,        // red, green (blue, green, red)
    0x00, 0x00,                                // the row padded to 4 bytes
};

const Sample kSamples[] = {
    {"STR#", kTexts, "2 strings"},
    {"CTSS", kTexts, "2 strings"},
    {"TTAs", kTexts, "2 strings"},
    {"PALT",
     {
         0x01, 0x00, 0x00, 0x00,              // version 1
         0x02, 0x00, 0x00, 0x00,              // two colours
         0,    0,    0,    0,    0, 0, 0, 0,  // reserved
         0xFF, 0x00, 0x00,                    // red
         0x00, 0xFF, 0x00,                    // green
     },
     "2 colours"},
    {"SPR#",
     {
         0xF8, 0x01, 0x00, 0x00,  // version 504, little-endian: its first bytes are not both zero
         0x01, 0x00, 0x00, 0x00,  // one frame
         0x05, 0x00, 0x00, 0x00,  // palette 5, which the file lacks
         0x10, 0x00, 0x00, 0x00,  // the frame at byte 16
         0x00, 0x00, 0x00, 0x00,  // reserved
         0x01, 0x00, 0x02, 0x00,  // height 1, then width 2
         0x00, 0x00,              // start marker
         0x04, 0x06,              // a row record of 6 bytes, these two included:
         0x02, 0x02, 0x07, 0x00,  //   two pixels of index 7, a pad byte
         0x05, 0x00,              // end of frame
     },
     "1 frame, 1 drawn with another palette than the one named"},
    {"SPR2",
     {
         0xE8, 0x03, 0x00, 0x00,  // version 1000
         0x01, 0x00, 0x00, 0x00,  // one frame
         0x05, 0x00, 0x00, 0x00,  // palette 5, which the file lacks
         0x10, 0x00, 0x00, 0x00,  // the frame at byte 16
         0x02, 0x00, 0x01, 0x00,  // width 2, height 1
         0x01, 0x00, 0x00, 0x00,  // flags: colour only
         0x00, 0x00, 0x00, 0x00,  // the frame's palette (stale in version 1000), transparent index 0
         0x00, 0x00, 0x00, 0x00,  // y, x
         0x06, 0x00,              // command 0: a row record of 6 bytes
         0x02, 0xC0, 0x07, 0x08,  //   command 6, two pixels: indices 7 and 8
         0x00, 0xA0,              // command 5: end of frame
     },
     "1 frame, 1 drawn with another palette than the one named"},
    {"BMP_", kBitmap, "2 x 1, 24 bits"},
    {"FBMP", kBitmap, "2 x 1, 24 bits"},
    {"DGRP",
     {
         0x24, 0x4E,                          // version 20004
         0x01, 0x00, 0x00, 0x00,              // one image
         0x01, 0x00, 0x00, 0x00,              // direction 0x01
         0x03, 0x00, 0x00, 0x00,              // zoom 3, near
         0x01, 0x00, 0x00, 0x00,              // one sprite:
         0x0A, 0x00, 0x00, 0x00,              //   SPR2 10, which the file lacks
         0x00, 0x00, 0x00, 0x00,              //   frame 0
         0xF0, 0xFF, 0xFF, 0xFF,              //   x -16
         0x20, 0x00, 0x00, 0x00,              //   y 32
         0,    0,    0,    0,    0, 0, 0, 0,  //   object z, flags
         0,    0,    0,    0,    0, 0, 0, 0,  //   object x, y
     },
     "1 image, 0 views drawn"},
    {"OBJD",
     {
         0x8A, 0x00, 0x00, 0x00,  // version 138
         0x00, 0x00,              // word 0: stack size
         0x0A, 0x00,              // word 1: base graphic DGRP 10, which the file lacks
         0x01, 0x00,              // word 2: one graphic
     },
     "version 138, 3 words, 0 links in the file"},
    {"BHAV",
     {
         0x02, 0x80, 0x02, 0x00,                          // signature 0x8002, two instructions
         0x00, 0x00, 0x00, 0x00,                          // tree type, arguments, locals
         0x00, 0x00, 0x00, 0x00,                          // tree version, unused
         0x02, 0x00, 0x01, 0xFD,                          // expression; true: instruction 1, false: error
         0x05, 0x00, 0x07, 0x00, 0x00, 0x05, 0x08, 0x07,  // temp 5 := literal 7
         0x00, 0x00, 0xFE, 0x09,                          // sleep; true: return true, false: 9, past the end
         0,    0,    0,    0,    0,    0,    0,    0,
     },
     "2 instructions, 1 target past the end"},
    {"TTAB",
     {
         0x01, 0x00, 0x05, 0x00,  // one interaction, version 5: plain, no attenuation code
         0x00, 0x10, 0x00, 0x00,  // action BHAV 4096, test BHAV 0
         0x01, 0x00, 0x00, 0x00,  // one motive entry
         0x00, 0x00, 0x00, 0x00,  // flags
         0x00, 0x00, 0x00, 0x00,  // TTAs string 0
         0x00, 0x00, 0x00, 0x00,  // attenuation value
         0x32, 0x00, 0x00, 0x00,  // autonomy 50
         0xFF, 0xFF, 0xFF, 0xFF,  // joining index -1
         0x0A, 0x00,              // the motive: delta 10
     },
     "1 interaction"},
    {"BCON", {0x02, 0x00, 0x05, 0x00, 0xFF, 0xFF}, "2 constants"},  // count, flags, 5, 65535
    {"GLOB",
     {0x0B, 'D', 'o', 'o', 'r', 'G', 'l', 'o', 'b', 'a', 'l', 's', '.', 'i', 'f', 'f'},  // Pascal: 11 bytes
     "semi-global file DoorGlobals"},
    {"FWAV", {'d', 'i', 'n', 'g', 0x00, 0xA3}, "sound event ding"},  // a zero-ended name, a filler byte
    {"rsmp",
     {
         'p',  'm',  's',  'r',  0,    0, 0, 0,  // marker, size unread
         0x01, 0x00, 0x00, 0x00,                 // one type block:
         '#',  'R',  'T',  'S',                  //   STR#, stored reversed
         0x01, 0x00, 0x00, 0x00,                 //   one entry:
         0x00, 0x10, 0x00, 0x00,                 //     at 4096
         0x80, 0x00, 0x10, 0x00,                 //     IDs 0x80 and 0x10
         'A',  'b',  'c',  0x00, 0xA3,           //     "Abc", ended, one pad byte
     },
     "1 type, 1 entry"},
};

// The chunk as the walker gives it, in a buffer of its own so that a read
// past its end is a read past an allocation.
ChunkInfo ChunkOf(std::string_view type, const Bytes& body)
{
    ChunkWalker walker{
        ByteString(fixtures::IffBuilder().Chunk(type, "", body, fixtures::ChunkId(1)).Build())};
    ChunkInfo chunk = *walker.Next();
    chunk.Data = chunk.Data.OwnCopy();
    return chunk;
}

// The type's sample; an empty body for a type without one, which the first
// test reports.
Bytes SampleOf(std::string_view type)
{
    const auto found = std::find_if(std::begin(kSamples), std::end(kSamples),
                                    [&](const Sample& sample) { return sample.type == type; });
    return found == std::end(kSamples) ? Bytes{} : found->body;
}

TEST(EveryDecoder, HasAHandWrittenSample)
{
    for (const DecodedType& row : DecodedTypes()) {
        EXPECT_TRUE(std::any_of(std::begin(kSamples), std::end(kSamples), [&](const Sample& sample) {
            return sample.type == row.type;
        })) << row.type;
    }
    for (const Sample& sample : kSamples) {
        EXPECT_NE(FindDecodedType(sample.type), nullptr) << sample.type;
    }
}

TEST(EveryDecoder, ReadsItsSample)
{
    for (const Sample& sample : kSamples) {
        ChunkTable chunks;
        chunks.Add(ChunkOf(sample.type, sample.body));
        const ChunkReading reading = FindDecodedType(sample.type)->read(*chunks.Find(1), chunks);
        EXPECT_TRUE(reading.decoded) << sample.type << ": " << reading.line;
        EXPECT_EQ(reading.line, sample.line) << sample.type;
    }
}

// One hostile body, made from the type's sample.
struct Hostile {
    const char* name;
    Bytes (*make)(const Bytes& sample);
    bool decoded;  // whether every type still reads it
};

const Hostile kHostile[] = {
    {"empty", [](const Bytes&) { return Bytes{}; }, false},
    {"one byte", [](const Bytes&) { return Bytes{0x01}; }, false},
    {"64 bytes of FF", [](const Bytes&) { return Bytes(64, 0xFF); }, false},
    {"the sample cut by one byte",
     [](const Bytes& sample) { return sample.empty() ? sample : Bytes(sample.begin(), sample.end() - 1); },
     false},
    {"the sample and trailing bytes",
     [](const Bytes& sample) {
         Bytes body = sample;
         body.insert(body.end(), 16, 0xA3);
         return body;
     },
     true},
};

void PrintTo(const Hostile& hostile, std::ostream* out) { *out << hostile.name; }

class EveryDecoderOn : public testing::TestWithParam<Hostile> {};

// No crash and no read past the chunk (the sanitizer build says so), a line
// that says something, and a reading of the sample kept whatever follows it.
TEST_P(EveryDecoderOn, ReadsOrDeclinesWithALine)
{
    const Hostile& hostile = GetParam();
    for (const DecodedType& row : DecodedTypes()) {
        ChunkTable chunks;
        chunks.Add(ChunkOf(row.type, hostile.make(SampleOf(row.type))));
        const ChunkReading reading = row.read(*chunks.Find(1), chunks);
        EXPECT_FALSE(reading.line.empty()) << row.type;
        if (hostile.decoded) {
            EXPECT_TRUE(reading.decoded) << row.type << ": " << reading.line;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Bodies, EveryDecoderOn, testing::ValuesIn(kHostile), fixtures::RowName());

}  // namespace
}  // namespace tarnwick
