// "SPR#": the old sprite form, one palette index a pixel, no depth.
#include <optional>

#include "model/container/byte_reader.h"
#include "model/decoders/sprite.h"
#include "model/text/hex_text.h"

namespace tarnwick {

namespace {

constexpr std::uint32_t kBackToBackVersion = 1001;

class OldFrameDecoder {
public:
    OldFrameDecoder(SpriteFrame& frame, bool bigEndian, PixelBudget& budget)
        : frame_(frame), bigEndian_(bigEndian), budget_(budget)
    {
    }

    // Reads the frame header and the commands after it.
    void Decode(ByteSpan bytes, std::size_t drawableBytes)
    {
        ByteReader reader(bytes);
        const auto header = reader.Bytes(8);  // reserved, height, width
        if (!header) {
            frame_.problem = "The frame header is cut short.";
            return;
        }
        ByteReader field(*header, 4);
        const std::uint16_t height = U16(field).value_or(0);
        const std::uint16_t width = U16(field).value_or(0);
        frame_.height = height;  // height first: swapping them shears the picture
        frame_.width = width;
        if (frame_.width == 0 || frame_.height == 0 || !AllocateFrame(frame_, drawableBytes, 0, budget_))
            return;
        Commands(reader);
        if (clipped_ && frame_.problem.empty())
            frame_.problem = "Pixels past the frame's edges were left out.";
    }

private:
    std::optional<std::uint16_t> U16(ByteReader& reader) const
    {
        return bigEndian_ ? reader.U16be() : reader.U16le();
    }

    void Commands(ByteReader& reader)
    {
        std::size_t row = 0;
        while (true) {
            const std::size_t at = reader.Position();
            const auto command = reader.U8();
            const auto count = command ? reader.U8() : std::nullopt;
            if (!count) {
                frame_.problem = "The frame ends without its end command.";
                return;
            }
            switch (*command) {
            case 0x00:
            case 0x10:  // start marker: its count means nothing
                break;
            case 0x04: {
                const auto record = *count >= 2 ? reader.Bytes(*count - 2u) : std::nullopt;
                if (!record) {
                    frame_.problem =
                        "The row record at byte " + std::to_string(at) + " runs past the frame's data.";
                    return;
                }
                if (!Row(*record, row++, at))
                    return;
                break;
            }
            case 0x09:
                row += *count;
                break;
            case 0x05:
                return;
            default:
                frame_.problem =
                    "Unknown command " + ByteHex(*command) + " at byte " + std::to_string(at) + ".";
                return;
            }
        }
    }

    bool Row(ByteSpan record, std::size_t row, std::size_t recordAt)
    {
        ByteReader reader(record);
        std::size_t x = 0;
        while (!reader.AtEnd()) {
            const auto command = reader.U8();
            const auto count = reader.U8();
            std::optional<ByteSpan> payload;
            if (count && *command == 0x01)
                payload = ByteSpan{};
            else if (count && *command == 0x02)
                payload = reader.Bytes(2);
            else if (count && *command == 0x03)
                payload = reader.Bytes(*count + (*count & 1u));
            if (!payload) {
                frame_.problem = "The pixel commands of the row at byte " + std::to_string(recordAt) +
                                 " do not end with its record.";
                return false;
            }
            for (std::size_t i = 0; i < *count; ++i, ++x) {
                if (*command == 0x01)
                    continue;
                const std::uint8_t index = *command == 0x02 ? (*payload)[0] : (*payload)[i];
                clipped_ |= !PutPixel(frame_, x, row, index, 255, 0);
            }
        }
        return true;
    }

    SpriteFrame& frame_;
    bool bigEndian_;
    PixelBudget& budget_;
    bool clipped_ = false;
};

SpriteFrame DecodeFrame(ByteSpan bytes, std::size_t drawableBytes, bool bigEndian, PixelBudget& budget)
{
    SpriteFrame frame;
    OldFrameDecoder(frame, bigEndian, budget).Decode(bytes, drawableBytes);
    return frame;
}

}  // namespace

Decoded<Sprite> DecodeOldSprite(ByteSpan body)
{
    // Two zero bytes first: the high bytes of a big-endian version.
    const bool bigEndian = body.size() >= 2 && body[0] == 0 && body[1] == 0;
    ByteReader reader(body);
    const auto u32 = [&](ByteReader& from) { return (bigEndian ? from.U32be() : from.U32le()).value_or(0); };
    const auto header = reader.Bytes(12);
    if (!header)
        return Decoded<Sprite>::Decline("The sprite is too short for its 12-byte header.");
    ByteReader field(*header);
    const std::uint32_t version = u32(field);
    const std::uint32_t count = u32(field);
    const std::uint32_t paletteId = u32(field);
    Sprite sprite{SpriteKind::Old, version, paletteId, bigEndian, {}};
    PixelBudget budget(body.size());

    if (version == kBackToBackVersion) {
        // The count is unreliable here: the records themselves say where frames are.
        while (reader.Remaining() >= 8) {
            ByteReader record(reader.Bytes(8).value_or(ByteSpan{}));  // the remaining bytes hold it
            const std::uint32_t marker = u32(record);
            const std::uint32_t size = u32(record);
            const auto bytes = marker == kBackToBackVersion ? reader.Bytes(size) : std::nullopt;
            if (!bytes)
                break;
            sprite.frames.push_back(DecodeFrame(*bytes, bytes->size(), bigEndian, budget));
        }
        return Decoded<Sprite>::Of(std::move(sprite));
    }
    if (version < 502 || version > 505)
        return Decoded<Sprite>::Decline("Sprite version " + std::to_string(version) +
                                        " is not one of 502 to 505 or 1001.");
    const auto table = reader.Bytes(std::size_t{count} * 4);
    if (!table)
        return Decoded<Sprite>::Decline("Its " + std::to_string(count) + " frame offsets run past the end.");
    std::vector<std::uint32_t> offsets;
    offsets.reserve(count);
    ByteReader entries(*table);
    for (std::uint32_t i = 0; i < count; ++i)
        offsets.push_back(u32(entries));
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        if (offsets[i] >= body.size()) {
            sprite.frames.push_back({});
            sprite.frames.back().problem = "The frame starts past the end of the data.";
            continue;
        }
        // Bounded by the next frame where it follows, for the size check.
        const std::size_t next =
            i + 1 < offsets.size() && offsets[i + 1] > offsets[i] && offsets[i + 1] <= body.size()
                ? offsets[i + 1]
                : body.size();
        sprite.frames.push_back(DecodeFrame(body.subspan(offsets[i]), next - offsets[i], bigEndian, budget));
    }
    return Decoded<Sprite>::Of(std::move(sprite));
}

}  // namespace tarnwick
