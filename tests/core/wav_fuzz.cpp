// Fuzz target: a WAV file through the sound table's own decoder, SDL's reader and
// converter included. What it accepts is a whole number of mixer samples that the mixer
// plays; nothing stays behind, in the pool or in SDL.

#include "core/mem.h"
#include "platform/sound_local.h"
#include "tests/core/fuzz_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool ready = (mem_init(), true);
    (void)ready;
    // Sounds are small; a large input only makes every run slow.
    if (size > (1u << 18)) {
        return 0;
    }
    SoundEntry entry{};
    snd_decode_wav(&entry, data, (int)size, "fuzz.wav");
    if (entry.priority) {
        fuzz::check(entry.data && entry.length >= 2 && entry.priority == SND_PRIORITY_LOADED);
        // A few chunks of it through the mixer: every sample is read.
        memset(snd_voices, 0, sizeof(snd_voices));
        snd_voices[0].data = entry.data;
        snd_voices[0].length = entry.length;
        snd_voices[0].volume = 128;
        snd_voices[0].active = 1;
        uint8_t stream[2 * SND_MIX_CHUNK];
        for (int chunk = 0; chunk < 8 && snd_voices[0].active; chunk++) {
            snd_mix_callback(nullptr, stream, (int)sizeof(stream));
        }
        memset(snd_voices, 0, sizeof(snd_voices));
        mem_free(entry.data);
    }
    fuzz::check(mem_usage == 0);
    return 0;
}
