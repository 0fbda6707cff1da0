// "SPR2": sprites with depth and alpha channels.
#include <optional>

#include "model/container/byte_reader.h"
#include "model/decoders/sprite.h"

namespace tarnwick {

namespace {

constexpr std::uint32_t kOffsetTableVersion = 1000;
constexpr std::uint32_t kBackToBackVersion = 1001;
constexpr std::uint8_t kMaxAlpha = 31;
constexpr std::size_t kFrameHeaderSize = 16;  // width, height, flags, palette, transparent index, y, x

struct Command {
    unsigned code;
    std::size_t count;
};

std::optional<Command> ReadCommand(ByteReader& reader)
{
    const auto value = reader.U16le();
    if (!value)
        return std::nullopt;
    return Command{static_cast<unsigned>(*value >> 13), static_cast<std::size_t>(*value & 0x1FFF)};
}

class FrameDecoder {
public:
    FrameDecoder(SpriteFrame& frame, PixelBudget& budget) : frame_(frame), budget_(budget) {}

    void Decode(ByteSpan bytes)
    {
        ByteReader reader(bytes);
        const auto header = reader.Bytes(kFrameHeaderSize);
        if (!header) {
            frame_.problem = "The frame header is cut short.";
            return;
        }
        // Every read below is inside the header taken whole.
        ByteReader field(*header);
        frame_ = {};
        frame_.width = field.U16le().value_or(0);
        frame_.height = field.U16le().value_or(0);
        frame_.flags = field.U32le().value_or(0);
        frame_.paletteId = field.U16le().value_or(0);
        frame_.transparentIndex = field.U16le().value_or(0);
        frame_.y = field.I16le().value_or(0);
        frame_.x = field.I16le().value_or(0);
        const auto fill = static_cast<std::uint8_t>(frame_.transparentIndex);
        if (frame_.width == 0 || frame_.height == 0 || !AllocateFrame(frame_, bytes.size(), fill, budget_))
            return;
        Rows(reader);
        if (frame_.problem.empty() && clipped_)
            frame_.problem = "Pixels past the frame's edges were left out.";
        if (frame_.problem.empty() && alphaOver31_)
            frame_.problem = "Alpha values above 31 were read as 31.";
    }

private:
    void Rows(ByteReader& reader)
    {
        std::size_t row = 0;
        while (true) {
            const std::size_t at = reader.Position();
            const auto command = ReadCommand(reader);
            if (!command) {
                frame_.problem = "The frame ends without its end command.";
                return;
            }
            switch (command->code) {
            case 0: {
                const auto record = command->count >= 2 ? reader.Bytes(command->count - 2) : std::nullopt;
                if (!record) {
                    frame_.problem =
                        "The row record at byte " + std::to_string(at) + " runs past the frame's data.";
                    return;
                }
                if (!Row(*record, row++, at))
                    return;
                break;
            }
            case 4:
                row += command->count;
                break;
            case 5:
                return;
            default:
                frame_.problem = "Unknown row command " + std::to_string(command->code) + " at byte " +
                                 std::to_string(at) + ".";
                return;
            }
        }
    }

    bool Row(ByteSpan record, std::size_t row, std::size_t recordAt)
    {
        ByteReader reader(record);
        std::size_t x = 0;
        const std::uint8_t opaqueDepth = 0;
        while (!reader.AtEnd()) {
            const auto command = ReadCommand(reader);
            const std::size_t n = command ? command->count : 0;
            std::optional<ByteSpan> run;
            std::size_t stride = 0;  // payload bytes a pixel
            if (command && command->code == 1)
                run = reader.Bytes(2 * n), stride = 2;
            else if (command && command->code == 2)
                run = reader.Bytes(3 * n + (3 * n) % 2), stride = 3;
            else if (command && command->code == 3)
                run = ByteSpan{};
            else if (command && command->code == 6)
                run = reader.Bytes(n + n % 2), stride = 1;
            if (!run) {
                frame_.problem = "The pixel commands of the row at byte " + std::to_string(recordAt) +
                                 " do not end with its record.";
                return false;
            }
            if (stride == 0) {
                x += n;
                continue;
            }
            for (std::size_t i = 0; i < n; ++i, ++x) {
                const ByteSpan pixel = run->subspan(i * stride, stride);
                std::uint8_t opacity = 255;
                if (stride == 3) {
                    alphaOver31_ |= pixel[2] > kMaxAlpha;
                    // 0-31 to 0-255, rounded to the nearest step.
                    opacity = static_cast<std::uint8_t>(
                        (std::min(pixel[2], kMaxAlpha) * 255 + kMaxAlpha / 2) / kMaxAlpha);
                }
                const std::uint8_t index = stride == 1 ? pixel[0] : pixel[1];
                const std::uint8_t depth = stride == 1 ? opaqueDepth : pixel[0];
                clipped_ |= !PutPixel(frame_, x, row, index, opacity, depth);
            }
        }
        return true;
    }

    SpriteFrame& frame_;
    PixelBudget& budget_;
    bool clipped_ = false;
    bool alphaOver31_ = false;
};

SpriteFrame DecodeFrame(ByteSpan bytes, PixelBudget& budget)
{
    SpriteFrame frame;
    FrameDecoder(frame, budget).Decode(bytes);
    return frame;
}

}  // namespace

Decoded<Sprite> DecodeSprite2(ByteSpan body)
{
    ByteReader reader(body);
    const auto header = reader.Bytes(12);
    if (!header)
        return Decoded<Sprite>::Decline("The sprite is too short for its 12-byte header.");
    ByteReader field(*header);
    const std::uint32_t version = field.U32le().value_or(0);
    const std::uint32_t second = field.U32le().value_or(0);  // 1000: the frame count; 1001: the palette
    const std::uint32_t third = field.U32le().value_or(0);   // 1000: the palette; 1001: the frame count
    PixelBudget budget(body.size());

    if (version == kBackToBackVersion) {
        // The count at 8 is not trusted: the records say where the frames are.
        Sprite sprite{SpriteKind::WithDepth, version, second, false, {}};
        while (reader.Remaining() >= 8) {
            const auto record = reader.Bytes(8);  // the remaining bytes hold it
            ByteReader recordField(record.value_or(ByteSpan{}));
            const std::uint32_t marker = recordField.U32le().value_or(0);
            const std::uint32_t size = recordField.U32le().value_or(0);
            const auto bytes = marker == kBackToBackVersion ? reader.Bytes(size) : std::nullopt;
            if (!bytes)
                break;
            sprite.frames.push_back(DecodeFrame(*bytes, budget));
        }
        return Decoded<Sprite>::Of(std::move(sprite));
    }
    if (version != kOffsetTableVersion)
        return Decoded<Sprite>::Decline("Sprite version " + std::to_string(version) +
                                        " is not 1000 or 1001.");
    const std::uint32_t count = second;
    const auto table = reader.Bytes(std::size_t{count} * 4);
    if (!table)
        return Decoded<Sprite>::Decline("Its " + std::to_string(count) + " frame offsets run past the end.");
    Sprite sprite{SpriteKind::WithDepth, version, third, false, {}};
    std::vector<std::uint32_t> offsets;
    offsets.reserve(count);
    ByteReader entries(*table);
    for (std::uint32_t i = 0; i < count; ++i)
        offsets.push_back(entries.U32le().value_or(0));
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        // A frame runs to the next frame's offset, or to the end.
        const std::size_t start = offsets[i];
        const std::size_t next = i + 1 < offsets.size() ? offsets[i + 1] : body.size();
        const std::size_t end = next > start && next <= body.size() ? next : body.size();
        if (start >= body.size()) {
            sprite.frames.push_back({});
            sprite.frames.back().problem = "The frame starts past the end of the data.";
            continue;
        }
        sprite.frames.push_back(DecodeFrame(body.subspan(start, end - start), budget));
    }
    return Decoded<Sprite>::Of(std::move(sprite));
}

}  // namespace tarnwick
