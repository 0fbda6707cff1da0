#include "model/container/byte_reader.h"

#include <gtest/gtest.h>

#include <array>

namespace tarnwick {
namespace {

constexpr std::array<std::uint8_t, 6> kBytes = {0x01, 0x02, 0x03, 0x04, 0xFF, 0x00};

TEST(ByteReader, ReadsEachWidthInEachOrder)
{
    EXPECT_EQ(ByteReader(kBytes).U16le(), 0x0201);
    EXPECT_EQ(ByteReader(kBytes).U16be(), 0x0102);
    EXPECT_EQ(ByteReader(kBytes).U32le(), 0x04030201u);
    EXPECT_EQ(ByteReader(kBytes).U32be(), 0x01020304u);
    EXPECT_EQ(ByteReader(kBytes, 4).I16le(), 0x00FF);
    EXPECT_EQ(ByteReader(kBytes, 3).I16le(), static_cast<std::int16_t>(0xFF04));
    EXPECT_EQ(ByteReader(kBytes, 2).I32le(), static_cast<std::int32_t>(0x00FF0403));
}

TEST(ByteReader, AReadPastTheEndIsReportedAndNotPerformed)
{
    ByteReader reader(kBytes, 3);
    EXPECT_FALSE(reader.U32le());
    EXPECT_FALSE(reader.Bytes(4));
    EXPECT_FALSE(reader.Skip(4));
    EXPECT_EQ(reader.Position(), 3u);
    EXPECT_EQ(reader.U16be(), 0x04FF);
    EXPECT_EQ(reader.U8(), 0);
    EXPECT_FALSE(reader.U8());
    EXPECT_TRUE(reader.AtEnd());
    // A start past the end reads nothing and has nothing left.
    ByteReader beyond(kBytes, 100);
    EXPECT_EQ(beyond.Remaining(), 0u);
    EXPECT_FALSE(beyond.U8());
    EXPECT_TRUE(beyond.Rest().empty());
}

TEST(ByteReader, NulEndedTextNeedsItsNul)
{
    ByteReader reader(kBytes);
    const auto text = reader.NulEndedText();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->size(), 5u);
    EXPECT_TRUE(reader.AtEnd());  // the NUL is read too
    ByteReader unended(ByteSpan(kBytes).first(5));
    EXPECT_FALSE(unended.NulEndedText());
    EXPECT_EQ(unended.Position(), 0u);
}

}  // namespace
}  // namespace tarnwick
