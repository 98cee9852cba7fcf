// sound_local.h -- the sound table, the voices and the device layer under sound.h.
#pragma once

#include "platform/sound.h"

#include <cstdint>

constexpr int SND_VOICES = 16;
constexpr int SND_MIX_CHUNK = 1024;           // samples mixed per pass (the device's buffer)
constexpr int SND_NAME_SIZE = 64;
constexpr int SND_PRIORITY_LOADED = 9;        // priority of a loaded entry without its own
constexpr int32_t SND_PEAK_FLOOR = 32767;     // the limiter's peak never falls below full scale

// Sound modes.
constexpr int SND_MODE_NORMAL = 0;            // two instances; a third only by priority
constexpr int SND_MODE_SINGLE = 1;            // one instance at a time (the ambient track)
constexpr int SND_MODE_PRIORITY = 2;          // instances limited by priority

struct SoundEntry {
    int16_t *data;            // samples in the device format (pool block); null = empty
    uint32_t length;          // bytes
    int priority;             // 0 = empty or failed; 9, or the load's mode when above 9
    int group;                // sound_stop_from stops groups from a number on
    int mode;                 // SND_MODE_*
    char name[SND_NAME_SIZE];
};

// A playing sound. The game thread changes voices only under SDL_LockAudio.
struct SoundVoice {
    const int16_t *data;      // null = idle
    uint32_t length;          // bytes
    uint32_t position;        // bytes played
    int volume;               // 0..128
    int group;
    int active;
    int sound;                // table index
    int priority;
};

extern SoundEntry sound_entries[SFX_MAX_NUM];
extern int sound_count;                       // entries in use, packed from 0
extern int sound_named[SFX_MAX_NUM];          // table index of named sound id, -1 unset
extern SoundVoice snd_voices[SND_VOICES];
extern int snd_audio_ok;                      // the device is open
extern int snd_last_ambient;                  // the ambient track of the last level, 0..3
extern int32_t snd_peak;                      // the limiter's peak (audio thread)

// Opens the device: 22050 Hz, signed 16-bit, mono; SDL converts for the hardware, so the
// mixer always gets that format. Returns 1, or 0 (logged).
int snd_open(void);
void snd_close(void);
// Loads entry index's file into it (converted to the device format); leaves priority 0
// on failure (logged). A file larger than a sound may be is refused unread.
void snd_load_wav(SoundEntry *entry, int index, int group);
// Decodes the bytes of a WAV file (path only labels the log lines) into entry's samples,
// converted to the device format: data, length and priority 9, or priority 0 after a
// " [Sound] failed to load" line for a header SDL must not be given (a chunk longer than
// the file, not PCM of 8 or 16 bits, other than 1 or 2 channels, a rate outside
// 1000..192000 Hz) or one SDL refuses. Needs no open device.
void snd_decode_wav(SoundEntry *entry, const uint8_t *bytes, int size, const char *path);
// Starts a voice for entry index at loudness factor (silent at 0.76 or less), with
// extra priority over other instances.
void snd_voice_start(SoundEntry *entry, int index, float factor, int extra);
// Volume of a loudness factor: (factor - 0.6) x 320, truncated, 0..128.
int snd_volume(float factor);
void snd_voice_stop(SoundEntry *entry, int index);
void snd_free(SoundEntry *entry, int index);
// SDL's audio callback: mixes every voice into the stream through the limiter.
void snd_mix_callback(void *userdata, uint8_t *stream, int length);
