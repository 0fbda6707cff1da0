#include "model/decoders/interactions.h"

#include <array>
#include <bit>
#include <optional>

#include "model/container/byte_reader.h"

namespace tarnwick {

namespace {

constexpr std::uint16_t kFirstReadableVersion = 4;
constexpr std::uint16_t kLastKnownVersion = 10;
constexpr std::uint8_t kBitPacked = 1;
// A packed table's writer may leave its last fields' bits unwritten: they
// read as 0. More than a byte's worth means the data has run out.
constexpr std::size_t kMaxBitsPastTheEnd = 7;
// An interaction has an entry for some of a Sim's dozen or so motives: a
// count beyond this is damage, and packed zeros would cost 48 times their size.
constexpr std::uint32_t kMaxMotives = 256;

enum class Width { Short, Long };  // 16- and 32-bit fields

// Reads bits most significant first, zeros past the last byte (counted).
class BitReader {
public:
    BitReader(ByteSpan bytes, std::size_t fromByte) : bytes_(bytes), at_(fromByte * 8) {}

    std::uint32_t Bits(unsigned count)
    {
        std::uint32_t value = 0;
        for (unsigned i = 0; i < count; ++i, ++at_) {
            const std::size_t byte = at_ / 8;
            const unsigned bit = byte < bytes_.size()
                                     ? static_cast<unsigned>(bytes_[byte] >> (7 - at_ % 8)) & 1u
                                     : (++pastTheEnd_, 0u);
            value = value << 1 | bit;
        }
        return value;
    }
    [[nodiscard]] std::size_t PastTheEnd() const { return pastTheEnd_; }
    [[nodiscard]] std::size_t RemainingBits() const
    {
        return at_ < bytes_.size() * 8 ? bytes_.size() * 8 - at_ : 0;
    }
    // Bytes after the one holding the last bit read.
    [[nodiscard]] std::size_t TrailingBytes() const
    {
        const std::size_t used = (at_ + 7) / 8;
        return used < bytes_.size() ? bytes_.size() - used : 0;
    }

private:
    ByteSpan bytes_;
    std::size_t at_;
    std::size_t pastTheEnd_ = 0;
};

// The fields of a table in its encoding: nothing once the data has run out.
class FieldReader {
public:
    FieldReader(ByteSpan body, std::size_t from, InteractionEncoding encoding)
        : encoding_(encoding), bytes_(body, from), bits_(body, from)
    {
    }

    std::optional<std::uint32_t> Next(Width width)
    {
        if (encoding_ == InteractionEncoding::Plain) {
            if (width == Width::Long)
                return bytes_.U32le();
            const auto value = bytes_.U16le();
            return value ? std::optional<std::uint32_t>(*value) : std::nullopt;
        }
        // A 0 bit is the value 0; else a width code and that many bits, sign-extended.
        static constexpr std::array<unsigned, 4> kShortWidths = {5, 8, 13, 16};
        static constexpr std::array<unsigned, 4> kLongWidths = {6, 11, 21, 32};
        std::uint32_t value = 0;
        if (bits_.Bits(1) != 0) {
            const std::uint32_t code = bits_.Bits(2);
            const unsigned count = (width == Width::Short ? kShortWidths : kLongWidths).at(code);
            value = bits_.Bits(count);
            if (count < 32 && (value >> (count - 1)) != 0)
                value |= ~std::uint32_t{0} << count;
        }
        if (bits_.PastTheEnd() > kMaxBitsPastTheEnd)
            return std::nullopt;
        return value;
    }

    // Whether `count` items of `fields` fields each (`bytes` bytes when plain)
    // can still be there: a packed field takes one bit at least.
    [[nodiscard]] bool Holds(std::uint64_t count, std::size_t fields, std::size_t bytes) const
    {
        if (encoding_ == InteractionEncoding::Plain)
            return count * bytes <= bytes_.Remaining();
        return count * fields <= bits_.RemainingBits() + kMaxBitsPastTheEnd - bits_.PastTheEnd();
    }

    [[nodiscard]] std::size_t BitsPastTheEnd() const { return bits_.PastTheEnd(); }
    [[nodiscard]] std::size_t TrailingBytes() const
    {
        return encoding_ == InteractionEncoding::Plain ? bytes_.Remaining() : bits_.TrailingBytes();
    }

private:
    InteractionEncoding encoding_;
    ByteReader bytes_;
    BitReader bits_;
};

std::int16_t Signed16(std::uint32_t value)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

std::optional<MotiveEntry> ReadMotive(FieldReader& fields, bool longForm)
{
    MotiveEntry entry;
    if (longForm) {
        const auto minimum = fields.Next(Width::Short);
        if (!minimum)
            return std::nullopt;
        entry.minimum = Signed16(*minimum);
    }
    const auto delta = fields.Next(Width::Short);
    if (!delta)
        return std::nullopt;
    entry.delta = Signed16(*delta);
    if (longForm) {
        const auto personality = fields.Next(Width::Short);
        if (!personality)
            return std::nullopt;
        entry.personality = static_cast<std::uint16_t>(*personality);
    }
    return entry;
}

std::optional<Interaction> ReadInteraction(FieldReader& fields, std::uint16_t version)
{
    const bool longForm = version >= kFirstLongInteractionsVersion;
    const auto action = fields.Next(Width::Short);
    const auto test = fields.Next(Width::Short);
    const auto motiveCount = fields.Next(Width::Long);
    const auto flags = fields.Next(Width::Long);
    const auto textIndex = fields.Next(Width::Long);
    const auto attenuationCode = longForm ? fields.Next(Width::Long) : std::optional<std::uint32_t>(0);
    const auto attenuation = fields.Next(Width::Long);
    const auto autonomy = fields.Next(Width::Long);
    const auto joining = fields.Next(Width::Long);
    if (!action || !test || !motiveCount || !flags || !textIndex || !attenuationCode || !attenuation ||
        !autonomy || !joining)
        return std::nullopt;
    const std::size_t motiveFields = longForm ? 3 : 1;
    if (*motiveCount > kMaxMotives || !fields.Holds(*motiveCount, motiveFields, motiveFields * 2))
        return std::nullopt;
    Interaction interaction{static_cast<std::uint16_t>(*action),
                            static_cast<std::uint16_t>(*test),
                            *flags,
                            *textIndex,
                            *attenuationCode,
                            *attenuation,
                            *autonomy,
                            static_cast<std::int32_t>(*joining),
                            {},
                            0};
    interaction.motives.reserve(*motiveCount);
    for (std::uint32_t i = 0; i < *motiveCount; ++i) {
        const auto entry = ReadMotive(fields, longForm);
        if (!entry)
            return std::nullopt;
        interaction.motives.push_back(*entry);
    }
    if (version == kLastKnownVersion) {
        const auto more = fields.Next(Width::Long);
        if (!more)
            return std::nullopt;
        interaction.moreFlags = *more;
    }
    return interaction;
}

}  // namespace

Decoded<InteractionTable> DecodeInteractions(ByteSpan body)
{
    ByteReader reader(body);
    const auto count = reader.U16le();
    if (!count)
        return Decoded<InteractionTable>::Decline("The body is too short for an interaction count.");
    InteractionTable table;
    if (*count == 0) {
        table.trailingBytes = reader.Remaining();
        return Decoded<InteractionTable>::Of(std::move(table));
    }
    const auto version = reader.U16le();
    if (!version)
        return Decoded<InteractionTable>::Decline("The interaction table's version is cut short.");
    if (*version < kFirstReadableVersion || *version > kLastKnownVersion)
        return Decoded<InteractionTable>::Decline("Interaction tables of version " +
                                                  std::to_string(*version) +
                                                  " cannot be read: the versions known are 4 to 10.");
    table.version = *version;
    if (*version >= 9) {
        const auto encoding = reader.U8();
        if (!encoding)
            return Decoded<InteractionTable>::Decline("The interaction table's encoding byte is missing.");
        if (*encoding == kBitPacked)
            table.encoding = InteractionEncoding::BitPacked;
    }
    FieldReader fields(body, reader.Position(), table.encoding);
    for (std::size_t i = 0; i < *count; ++i) {
        auto interaction = ReadInteraction(fields, *version);
        if (!interaction) {
            table.warning = "The data ends within interaction " + std::to_string(i + 1) + " of " +
                            std::to_string(*count) + ".";
            break;
        }
        table.interactions.push_back(std::move(*interaction));
    }
    // In a table cut short, the bytes after the last whole interaction
    // belong to the one that could not be read.
    if (table.warning.empty()) {
        table.bitsPastTheEnd = fields.BitsPastTheEnd();
        table.trailingBytes = fields.TrailingBytes();
    }
    return Decoded<InteractionTable>::Of(std::move(table));
}

const char* AttenuationName(std::uint32_t code)
{
    static constexpr std::array<const char*, 5> kNames = {"custom", "none", "low", "medium", "high"};
    return code < kNames.size() ? kNames.at(code) : "";
}

float AttenuationValue(const Interaction& interaction)
{
    return std::bit_cast<float>(interaction.attenuationBits);
}

}  // namespace tarnwick
