// sound.cpp -- the sound mixer: the table of loaded sounds, the named sounds, the voice
// rules and the mono mixer with its limiter on SDL's audio thread.

#include "platform/sound.h"
#include "platform/sound_local.h"

#include "core/con.h"
#include "core/file.h"
#include "core/mem.h"
#include "core/mt.h"

#include <SDL.h>
#include <cmath>
#include <cstring>

SoundEntry sound_entries[SFX_MAX_NUM];
int sound_count;
int sound_named[SFX_MAX_NUM];
SoundVoice snd_voices[SND_VOICES];
int snd_audio_ok;
int snd_last_ambient;
int32_t snd_peak = SND_PEAK_FLOOR;
float g_sound_sfxvol;
float g_sound_menuvol;
void (*g_sound_listener)(float out[3]);

// The mixer's sums of one chunk (audio thread only).
static int32_t snd_accumulators[SND_MIX_CHUNK];
// The format the mixer works in, as opened.
static SDL_AudioSpec snd_spec;

// The mixer's format: every sound is converted to it when loaded.
constexpr int SND_FREQUENCY = 22050;
constexpr Uint16 SND_FORMAT = AUDIO_S16SYS;
constexpr Uint8 SND_CHANNELS = 1;
// WAV files the mixer takes: PCM of 8 or 16 bits, one or two channels, and a rate for
// which SDL's converter needs no more steps than it holds (far outside this range it
// writes past them).
constexpr uint32_t SND_WAV_PCM = 1;
constexpr uint32_t SND_WAV_FORMAT_BYTES = 16;
constexpr int SND_MIN_RATE = 1000;
constexpr int SND_MAX_RATE = 192000;
constexpr double SND_SILENT_FACTOR = 0.76;    // this loud or quieter: not worth a voice
// The volume of a factor is worked out in double: in float, (1.0 - 0.6) x 320 lands a
// hair below 128 and full loudness would truncate to 127.
constexpr double SND_FACTOR_ZERO = 0.6;       // the factor at volume 0 ...
constexpr double SND_FACTOR_SCALE = 320.0;    // ... and the volume step per factor
constexpr int SND_VOLUME_MAX = 128;
constexpr int SND_LIMITER_GAIN = 16384;       // the limiter's output never exceeds half scale
constexpr float SND_FAR_DISTANCE = 2000.0f;   // from here on a sound has its far factor
constexpr float SND_FAR_FACTOR = 0.3f;
constexpr float SND_NEAR_SPAN = 0.7f;         // the factor falls from 1.0 toward the far factor
constexpr float SND_DISTANCE_FALLOFF = 0.0005f;
constexpr uint32_t SND_MAX_BYTES = 64u << 20; // a sound file's samples after conversion
constexpr int SND_AMBIENT_INDEX = 14;         // the ambient track and every level sound after it
constexpr int SND_AMBIENT_TRACKS = 4;

// File names of the named sounds; id 9 has none.
static const char *const SOUND_NAMES[SOUND_NAMED_COUNT] = {
    "menu_select", "menu_updown", "menu_leftright", "pickup_powerup", "score_multiply",
    "time_bonus", "extra_ship", "levelstart_01", "levelend_01", nullptr,
    "ping_multiply", "ping_multiplycount", "ping_timer", "ping_bombcount", nullptr,
};

// ---- device layer ----

int snd_open(void)
{
    SDL_AudioSpec want;
    memset(&want, 0, sizeof(want));
    want.freq = SND_FREQUENCY;
    want.format = SND_FORMAT;     // the mixer's native 16-bit samples
    want.channels = SND_CHANNELS;
    want.samples = SND_MIX_CHUNK;
    want.callback = snd_mix_callback;
    // Before the audio thread exists: it reads both from its first callback on.
    memset(snd_voices, 0, sizeof(snd_voices));
    snd_peak = SND_PEAK_FLOOR;
    // No obtained format: SDL then converts from this format to whatever the hardware
    // takes, so the mixer's mono 16-bit samples are always what the callback fills.
    if (SDL_OpenAudio(&want, nullptr) < 0) {
        con_printf("[Sound] SDL_OpenAudio() failed: %s", SDL_GetError());
        return 0;
    }
    snd_spec = want;
    con_printf("[Sound] Opened device (freq: %dHz, channels %d, fmt: 0x%x)", snd_spec.freq, snd_spec.channels,
               snd_spec.format);
    SDL_PauseAudio(0);
    return 1;
}

void snd_close(void)
{
    SDL_LockAudio();
    for (SoundVoice &v : snd_voices) {
        v.data = nullptr;
        v.active = 0;
    }
    SDL_UnlockAudio();
    SDL_CloseAudio();
    con_printf("[Sound] finished");
}

// Reads a little-endian word of a WAV header.
static uint32_t snd_le32(const uint8_t *p)
{
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

static uint32_t snd_le16(const uint8_t *p)
{
    return (uint32_t)p[0] | (uint32_t)p[1] << 8;
}

static int snd_tag_is(const uint8_t *p, const char tag[5])
{
    return memcmp(p, tag, 4) == 0;
}

// Walks a WAV file's chunks the way SDL reads them: "RIFF", a length and "WAVE", then
// chunks of a tag, a length and that many bytes, no pad byte; "fact" and "LIST" chunks
// before the "fmt " chunk, any chunks between it and "data". SDL allocates each chunk's
// length before it reads it, and for some rates builds more conversion steps than its
// converter holds, so a file reaches SDL only when every length fits the file and its
// format is one the mixer converts safely. Returns 1, or 0 with the reason in why.
static int snd_wav_acceptable(const uint8_t *bytes, int size, char *why, size_t why_size)
{
    if (size < 12 || !snd_tag_is(bytes, "RIFF") || !snd_tag_is(bytes + 8, "WAVE")) {
        snprintf(why, why_size, "not a RIFF WAVE file");
        return 0;
    }
    int at = 12;
    int seen_format = 0;
    for (;;) {
        if (size - at < 8) {
            snprintf(why, why_size, seen_format ? "no data chunk" : "no fmt chunk");
            return 0;
        }
        const uint8_t *chunk = bytes + at;
        const uint32_t length = snd_le32(chunk + 4);
        const int left = size - at - 8;
        if (length == 0 || length > (uint32_t)left) {
            snprintf(why, why_size, "the chunk at byte %d claims %u bytes, %d are left", at, (unsigned)length,
                     left);
            return 0;
        }
        at += 8 + (int)length;
        if (!seen_format) {
            if (snd_tag_is(chunk, "fact") || snd_tag_is(chunk, "LIST")) {
                continue;
            }
            if (!snd_tag_is(chunk, "fmt ") || length < SND_WAV_FORMAT_BYTES) {
                snprintf(why, why_size, "no fmt chunk");
                return 0;
            }
            const uint32_t encoding = snd_le16(chunk + 8);
            const uint32_t channels = snd_le16(chunk + 10);
            const uint32_t rate = snd_le32(chunk + 12);
            const uint32_t bits = snd_le16(chunk + 22);
            if (encoding != SND_WAV_PCM) {
                snprintf(why, why_size, "encoding %u is not PCM", (unsigned)encoding);
                return 0;
            }
            if (channels < 1 || channels > 2) {
                snprintf(why, why_size, "%u channels, 1 or 2 are played", (unsigned)channels);
                return 0;
            }
            if (rate < (uint32_t)SND_MIN_RATE || rate > (uint32_t)SND_MAX_RATE) {
                snprintf(why, why_size, "rate of %u Hz, %d..%d are played", (unsigned)rate, SND_MIN_RATE,
                         SND_MAX_RATE);
                return 0;
            }
            if (bits != 8 && bits != 16) {
                snprintf(why, why_size, "%u bits a sample, 8 or 16 are played", (unsigned)bits);
                return 0;
            }
            seen_format = 1;
            continue;
        }
        if (snd_tag_is(chunk, "data")) {
            return 1;
        }
    }
}

void snd_decode_wav(SoundEntry *entry, const uint8_t *bytes, int size, const char *path)
{
    entry->data = nullptr;
    entry->length = 0;
    entry->priority = 0;
    char why[128];
    if (!bytes || !snd_wav_acceptable(bytes, size, why, sizeof(why))) {
        con_printf(" [Sound] failed to load %s: %s", path, bytes ? why : "no file");
        return;
    }
    SDL_AudioSpec spec;
    Uint8 *samples = nullptr;
    Uint32 length = 0;
    SDL_RWops *source = SDL_RWFromConstMem(bytes, size);
    if (!source || !SDL_LoadWAV_RW(source, 1, &spec, &samples, &length)) {
        con_printf(" [Sound] failed to load %s: %s", path, SDL_GetError());
        return;
    }
    SDL_AudioCVT cvt;
    memset(&cvt, 0, sizeof(cvt));
    cvt.len_mult = 1;
    int convert = spec.format != SND_FORMAT || spec.channels != SND_CHANNELS || spec.freq != SND_FREQUENCY;
    if (convert) {
        con_printf("[Sound] converting %s", path);
        if (SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, SND_FORMAT, SND_CHANNELS,
                              SND_FREQUENCY) == -1) {
            con_printf("[Sound] SDL_BuildAudioCVT() failed: %s", SDL_GetError());
            SDL_FreeWAV(samples);
            return;
        }
    }
    // The conversion works in place and may grow the samples len_mult times.
    uint64_t bytes_needed = (uint64_t)length * (uint64_t)(cvt.len_mult > 0 ? cvt.len_mult : 1);
    if (length < 2 || bytes_needed > SND_MAX_BYTES) {
        con_printf("*** [audio] %s: %u bytes of samples refused", path, (unsigned)length);
        SDL_FreeWAV(samples);
        return;
    }
    auto *data = (uint8_t *)mem_alloc((size_t)bytes_needed);
    if (!data) {
        SDL_FreeWAV(samples);
        return;
    }
    memcpy(data, samples, length);
    SDL_FreeWAV(samples);
    if (convert) {
        cvt.buf = data;
        cvt.len = (int)length;
        if (SDL_ConvertAudio(&cvt) < 0 || cvt.len_cvt < 2) {
            con_printf("[Sound] SDL_BuildAudioCVT() failed: %s", SDL_GetError());
            mem_free(data);
            return;
        }
        length = (Uint32)cvt.len_cvt;
    }
    entry->data = (int16_t *)(void *)data;
    entry->length = length;
    entry->priority = SND_PRIORITY_LOADED;
}

void snd_load_wav(SoundEntry *entry, int index, int group)
{
    (void)index;
    entry->data = nullptr;
    entry->length = 0;
    entry->priority = 0;
    entry->group = group;
    entry->mode = SND_MODE_NORMAL;
    char path[FILE_DIR_SIZE + SND_NAME_SIZE + 8];
    snprintf(path, sizeof(path), "%s%s.wav", g_sfx_dir, entry->name);
    const int size = file_exists_size(path);
    if (size < 1) {
        con_printf("*** [audio] %s doesnt exist", path);
        return;
    }
    // Larger than the samples of any sound may be: refused before a byte is read.
    if ((uint32_t)size > SND_MAX_BYTES) {
        con_printf(" [Sound] failed to load %s: %d bytes, more than a sound may hold", path, size);
        return;
    }
    int got = 0;
    uint8_t *bytes = file_load(path, &got);
    snd_decode_wav(entry, bytes, got, path);
    mem_free(bytes);
}

int snd_volume(float factor)
{
    int volume = (int)(((double)factor - SND_FACTOR_ZERO) * SND_FACTOR_SCALE);
    return volume < 0 ? 0 : (volume > SND_VOLUME_MAX ? SND_VOLUME_MAX : volume);
}

// The voice a new instance of entry index takes, by the instance rule of its mode, or
// -1 when it may not play. Reads the voices: the caller holds the audio lock, since the
// mixer ends voices meanwhile.
static int snd_voice_choose(const SoundEntry *entry, int index, int request, int extra)
{
    int instances = 0;
    int lowest = request;      // the lowest priority among this sound's voices, if below the request
    int lowest_voice = -1;
    int idle = -1;             // the highest-numbered idle voice
    for (int v = 0; v < SND_VOICES; v++) {
        const SoundVoice &voice = snd_voices[v];
        if (!voice.active) {
            idle = v;
            continue;
        }
        if (voice.sound == index) {
            instances++;
            if (voice.priority < lowest) {
                lowest = voice.priority;
                lowest_voice = v;
            }
        }
    }

    // How many instances of the sound may play, and on which voice.
    int chosen = -1;
    if (entry->mode == SND_MODE_SINGLE) {
        if (instances > 0) {
            return -1;
        }
        chosen = idle;
    } else if (instances >= 2) {
        // A further instance only replaces a weaker one, and only when asked for with
        // more extra priority than that one has.
        if (lowest_voice < 0 || lowest >= extra) {
            return -1;
        }
        chosen = lowest_voice;
    } else if (instances == 1 && entry->mode == SND_MODE_PRIORITY) {
        if (lowest >= extra) {
            return -1;
        }
        chosen = idle;
    } else {
        chosen = idle;
    }
    if (chosen < 0) {
        // Every voice busy: the weakest of voices 1..15 that belongs to a group gives way,
        // when it is weaker than voice 0; otherwise voice 0.
        chosen = 0;
        for (int v = 1; v < SND_VOICES; v++) {
            const SoundVoice &voice = snd_voices[v];
            if (voice.active && voice.group > 0 && voice.priority < snd_voices[chosen].priority) {
                chosen = v;
            }
        }
    }
    return chosen;
}

void snd_voice_start(SoundEntry *entry, int index, float factor, int extra)
{
    if ((double)factor <= SND_SILENT_FACTOR || !entry->data) {
        return;
    }
    const int request = extra + entry->priority;
    const int volume = snd_volume(factor);
    // One lock over the choice and the start: a voice the mixer ends in between would
    // otherwise still count as playing.
    SDL_LockAudio();
    const int chosen = snd_voice_choose(entry, index, request, extra);
    if (chosen >= 0) {
        SoundVoice &voice = snd_voices[chosen];
        voice.data = entry->data;
        voice.length = entry->length;
        voice.position = 0;
        voice.volume = volume;
        voice.group = entry->group;
        voice.active = 1;
        voice.sound = index;
        voice.priority = request;
        if (entry->mode == SND_MODE_PRIORITY) {
            for (int v = 0; v < SND_VOICES; v++) {
                if (v != chosen && snd_voices[v].active && snd_voices[v].sound == index) {
                    snd_voices[v].priority = request - 2;
                }
            }
        }
    }
    SDL_UnlockAudio();
}

void snd_voice_stop(SoundEntry *entry, int index)
{
    if (!entry->data) {
        return;
    }
    SDL_LockAudio();
    for (SoundVoice &v : snd_voices) {
        if (v.active && v.sound == index) {
            v.data = nullptr;
            v.active = 0;
        }
    }
    SDL_UnlockAudio();
}

void snd_free(SoundEntry *entry, int index)
{
    snd_voice_stop(entry, index);
    if (entry->data) {
        mem_free(entry->data);
    }
    entry->data = nullptr;
    entry->priority = 0;
}

// Mixes n samples (at most one chunk) of every voice into the accumulators.
static void snd_mix_voices(int n)
{
    memset(snd_accumulators, 0, sizeof(snd_accumulators[0]) * (size_t)n);
    for (SoundVoice &v : snd_voices) {
        if (!v.data) {
            continue;
        }
        uint32_t left = v.position < v.length ? (v.length - v.position) / 2 : 0;
        int m = left < (uint32_t)n ? (int)left : n;
        if (m > 0) {
            const int16_t *src = v.data + v.position / 2;
            for (int i = 0; i < m; i++) {
                snd_accumulators[i] += ((int32_t)src[i] * v.volume) >> 7;
            }
            v.position += 2u * (uint32_t)m;
        }
        if (v.position >= v.length || m <= 0) {
            v.data = nullptr;
            v.active = 0;
        }
    }
}

void snd_mix_callback(void *userdata, uint8_t *stream, int length)
{
    (void)userdata;
    if (length < 2) {
        return;
    }
    const int total = length / 2;
    for (int start = 0; start < total; start += SND_MIX_CHUNK) {
        const int n = total - start < SND_MIX_CHUNK ? total - start : SND_MIX_CHUNK;
        snd_mix_voices(n);
        // The limiter follows the peak at once and lets go by one step per sample, so a
        // loud mix is scaled down instead of clipped.
        for (int i = 0; i < n; i++) {
            const int32_t acc = snd_accumulators[i];
            if (acc > snd_peak) {
                snd_peak = acc;
            } else if (-acc <= snd_peak) {
                snd_peak = snd_peak - 1 < SND_PEAK_FLOOR ? SND_PEAK_FLOOR : snd_peak - 1;
            } else {
                snd_peak = -acc;
            }
            const auto out = (int16_t)(((int64_t)acc * SND_LIMITER_GAIN) / snd_peak);
            memcpy(stream + 2 * (size_t)(start + i), &out, sizeof(out));
        }
    }
}

// ---- the sound table ----

// The entry of a table index that holds a loaded sound, or null.
static SoundEntry *sound_loaded(int index)
{
    if (index < 0 || index >= sound_count || !sound_entries[index].priority || !sound_entries[index].data) {
        return nullptr;
    }
    return &sound_entries[index];
}

int audio_Load(const char *name, int group, int mode)
{
    if (!snd_audio_ok || !name || !name[0]) {
        return -1;
    }
    for (int i = 0; i < sound_count; i++) {
        if (sound_entries[i].priority && strcmp(sound_entries[i].name, name) == 0) {
            return i;
        }
    }
    if (strlen(name) >= SND_NAME_SIZE) {
        con_printf("*** [audio] sound name too long: %.63s", name);
        return -1;
    }
    if (sound_count >= SFX_MAX_NUM) {
        con_printf("*** [audio] audio_Load SFX_MAX_NUM reached. Increase #define value. :)");
        return -1;
    }
    SoundEntry *entry = &sound_entries[sound_count];
    snprintf(entry->name, sizeof(entry->name), "%s", name);
    snd_load_wav(entry, sound_count, group);
    if (!entry->priority) {
        return -1;
    }
    if (mode == SND_MODE_SINGLE) {
        entry->mode = SND_MODE_SINGLE;
    } else if (mode > SND_PRIORITY_LOADED) {
        entry->priority = mode;
        entry->mode = SND_MODE_PRIORITY;
    }
    return sound_count++;
}

void sound_free_all(int from)
{
    from = from < 0 ? 0 : (from > SFX_MAX_NUM ? SFX_MAX_NUM : from);
    for (int i = from; i < SFX_MAX_NUM; i++) {
        snd_free(&sound_entries[i], i);
        memset(&sound_entries[i], 0, sizeof(sound_entries[i]));
        sound_named[i] = -1;
    }
    sound_count = from;
}

void sound_load_named(void)
{
    sound_free_all(0);
    if (!snd_audio_ok) {
        return;
    }
    for (int id = 0; id < SOUND_NAMED_COUNT; id++) {
        if (SOUND_NAMES[id]) {
            sound_named[id] = audio_Load(SOUND_NAMES[id], 0, SND_MODE_NORMAL);
        }
    }
}

void sound_init(void)
{
    if (snd_audio_ok) {
        sound_shutdown();
    }
    memset(sound_entries, 0, sizeof(sound_entries));
    for (int &id : sound_named) {
        id = -1;
    }
    sound_count = 0;
    snd_audio_ok = snd_open();
    sound_load_named();
}

void sound_shutdown(void)
{
    if (snd_audio_ok) {
        sound_free_all(0);
        snd_close();
    }
    snd_audio_ok = 0;
    sound_count = 0;
}

void sound_load_ambient(void)
{
    sound_free_all(SND_AMBIENT_INDEX);
    if (!snd_audio_ok) {
        return;
    }
    int n = (int)((mt_rand() & 0x7fff) >> 13);
    if (n == snd_last_ambient) {
        n++;
    }
    n &= SND_AMBIENT_TRACKS - 1;
    snd_last_ambient = n;
    char name[SND_NAME_SIZE];
    snprintf(name, sizeof(name), "ambi-0%d", n);
    sound_named[SOUND_AMBIENT] = audio_Load(name, 0, SND_MODE_SINGLE);
}

void sound_stop_from(int group)
{
    for (int i = 0; i < sound_count; i++) {
        if (sound_entries[i].priority && sound_entries[i].group >= group) {
            snd_voice_stop(&sound_entries[i], i);
        }
    }
}

void sound_stop(int index)
{
    if (SoundEntry *entry = sound_loaded(index)) {
        snd_voice_stop(entry, index);
    }
}

static void sound_play_named_factor(int id, float scale)
{
    if (id < 0 || id >= SOUND_NAMED_COUNT) {
        return;
    }
    int index = sound_named[id];
    SoundEntry *entry = sound_loaded(index);
    if (!entry) {
        return;
    }
    float volume = id <= SOUND_MENU_LEFTRIGHT ? g_sound_menuvol : g_sound_sfxvol;
    snd_voice_start(entry, index, volume * scale, 0);
}

void sound_play_named(int id)
{
    sound_play_named_factor(id, 1.0f);
}

void sound_play_named_scaled(int id, float f)
{
    sound_play_named_factor(id, f * 0.25f + 0.75f);
}

void sound_play_at(int index, const float pos[3], int extra_priority)
{
    SoundEntry *entry = sound_loaded(index);
    if (!entry || !pos) {
        return;
    }
    float camera[3];
    g_sound_listener(camera);
    float dx = pos[0] - camera[0];
    float dz = pos[2] - camera[2];
    float d = sqrtf(dx * dx + dz * dz);
    float factor = d >= SND_FAR_DISTANCE ? SND_FAR_FACTOR
                                         : (1.0f - SND_DISTANCE_FALLOFF * d) * SND_NEAR_SPAN + SND_FAR_FACTOR;
    factor *= g_sound_sfxvol;
    snd_voice_start(entry, index, factor, extra_priority);
}
