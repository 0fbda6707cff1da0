#include "model/decoders/small_tables.h"

#include <algorithm>

#include "model/container/byte_reader.h"

namespace tarnwick {

namespace {

// A name's first byte below '0' is a length: no file name starts that way.
constexpr std::uint8_t kFirstNameCharacter = 0x30;

}  // namespace

Decoded<Constants> DecodeConstants(ByteSpan body)
{
    ByteReader reader(body);
    const auto count = reader.U8();
    const auto flags = reader.U8();
    if (!count || !flags)
        return Decoded<Constants>::Decline("The body is too short for the count and flags of constants.");
    Constants constants{*count, *flags, {}, 0, {}};
    const std::size_t fits = std::min<std::size_t>(*count, reader.Remaining() / 2);
    constants.values.reserve(fits);
    for (std::size_t i = 0; i < fits; ++i)
        if (const auto value = reader.U16le())
            constants.values.push_back(*value);
    if (fits < *count)
        constants.warning =
            "The data ends after " + std::to_string(fits) + " of " + std::to_string(*count) + " constants.";
    constants.trailingBytes = reader.Remaining();
    return Decoded<Constants>::Of(std::move(constants));
}

Decoded<GlobalName> DecodeGlobalName(ByteSpan body)
{
    if (body.empty())
        return Decoded<GlobalName>::Decline("The body is empty: it names no file.");
    GlobalName global;
    if (body[0] < kFirstNameCharacter) {
        global.form = NameForm::Pascal;
        const std::size_t length = body[0];
        const ByteSpan rest = body.subspan(1);
        const std::size_t taken = std::min(length, rest.size());
        global.name = BytesAsText(rest.first(taken));
        global.trailingBytes = rest.size() - taken;
        if (taken < length)
            global.warning = "The name's length says " + std::to_string(length) + " bytes; " +
                             std::to_string(taken) + " follow.";
        return Decoded<GlobalName>::Of(std::move(global));
    }
    ByteReader reader(body);
    if (const auto text = reader.NulEndedText()) {
        global.name = BytesAsText(*text);
        global.trailingBytes = reader.Remaining();
    } else {
        global.name = BytesAsText(body);
        global.warning = "The name has no NUL at its end.";
    }
    return Decoded<GlobalName>::Of(std::move(global));
}

}  // namespace tarnwick
