#include "model/decoders/sound_event.h"

#include "model/container/byte_reader.h"

namespace tarnwick {

Decoded<SoundEvent> DecodeSoundEvent(ByteSpan body)
{
    if (body.empty())
        return Decoded<SoundEvent>::Decline("The body is empty: it names no sound.");
    SoundEvent sound;
    ByteReader reader(body);
    if (const auto text = reader.NulEndedText()) {
        sound.name = BytesAsText(*text);
        sound.trailingBytes = reader.Remaining();
    } else {
        sound.name = BytesAsText(body);
        sound.warning = "The name has no NUL at its end.";
    }
    return Decoded<SoundEvent>::Of(std::move(sound));
}

}  // namespace tarnwick
