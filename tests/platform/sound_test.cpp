// The sound mixer: which voice a sound gets, the volume of a loudness factor, the mixer
// and its limiter on synthetic voices, distance and named plays, and the sound table
// loading WAV files (de-duplication, modes, the 256 limit, conversion, the ambient track).

#include "core/file.h"
#include "core/mt.h"
#include "game/settings.h"
#include "platform/sound.h"
#include "platform/sound_local.h"
#include "tests/platform/wav_file.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <SDL.h>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Voices and table filled by hand: no device, no files.
class SoundSynthetic : public ::testing::Test {
protected:
    void SetUp() override
    {
        memset(snd_voices, 0, sizeof(snd_voices));
        memset(sound_entries, 0, sizeof(sound_entries));
        for (int &id : sound_named) {
            id = -1;
        }
        sound_count = 0;
        snd_audio_ok = 0;
        snd_peak = SND_PEAK_FLOOR;
        g_sound_sfxvol = 1.0f;
        g_sound_menuvol = 1.0f;
    }
    void TearDown() override
    {
        memset(snd_voices, 0, sizeof(snd_voices));
        memset(sound_entries, 0, sizeof(sound_entries));
        sound_count = 0;
    }

    // A loaded entry at the next index over samples; returns its index.
    int entry(std::vector<int16_t> &samples, int mode = SND_MODE_NORMAL, int priority = SND_PRIORITY_LOADED,
              int group = 0)
    {
        SoundEntry &e = sound_entries[sound_count];
        e.data = samples.data();
        e.length = (uint32_t)(samples.size() * 2);
        e.priority = priority;
        e.group = group;
        e.mode = mode;
        snprintf(e.name, sizeof(e.name), "s%d", sound_count);
        return sound_count++;
    }

    void start(int index, float factor = 1.0f, int extra = 0)
    {
        snd_voice_start(&sound_entries[index], index, factor, extra);
    }

    static int active_voices(int index)
    {
        int n = 0;
        for (const SoundVoice &v : snd_voices) {
            n += v.active && v.sound == index;
        }
        return n;
    }

    // Mixes n samples and returns them.
    static std::vector<int16_t> mix(int n)
    {
        std::vector<int16_t> out((size_t)n, 0x5555);
        snd_mix_callback(nullptr, (uint8_t *)out.data(), n * 2);
        return out;
    }

    std::vector<int16_t> tone = std::vector<int16_t>(4000, 1000);
    std::vector<int16_t> other = std::vector<int16_t>(4000, 2000);
};

class SoundVoices : public SoundSynthetic {};
class SoundMixer : public SoundSynthetic {};
class SoundPlay : public SoundSynthetic {};

TEST_F(SoundVoices, VolumeOfALoudnessFactor)
{
    EXPECT_EQ(snd_volume(1.0f), 128);
    EXPECT_EQ(snd_volume(0.77f), 54);
    EXPECT_EQ(snd_volume(0.76000005f), 51) << "the quietest playable factor";
    EXPECT_EQ(snd_volume(0.93f), 105);
    EXPECT_EQ(snd_volume(0.5f), 0);
    EXPECT_EQ(snd_volume(1.5f), 128);
}

TEST_F(SoundVoices, AFactorOf076OrLessIsSilent)
{
    int s = entry(tone);
    start(s, 0.76f);
    EXPECT_EQ(active_voices(s), 0);
    start(s, 0.77f);
    ASSERT_EQ(active_voices(s), 1);
    EXPECT_TRUE(snd_voices[15].active) << "the highest idle voice first";
    EXPECT_EQ(snd_voices[15].volume, 54);
    EXPECT_EQ(snd_voices[15].priority, SND_PRIORITY_LOADED);
    EXPECT_EQ(snd_voices[15].position, 0u);
    EXPECT_EQ(snd_voices[15].length, 8000u);
}

TEST_F(SoundVoices, ANormalSoundPlaysTwiceAndAThirdOnlyReplacesAWeakerOne)
{
    int s = entry(tone);
    start(s);
    start(s);
    EXPECT_TRUE(snd_voices[15].active);
    EXPECT_TRUE(snd_voices[14].active);
    start(s);
    EXPECT_EQ(active_voices(s), 2) << "no instance is weaker than the request";
    start(s, 1.0f, 5);
    EXPECT_EQ(active_voices(s), 2) << "extra 5 does not exceed their priority 9";
    snd_voices[14].position = 100;
    start(s, 1.0f, 10);
    EXPECT_EQ(active_voices(s), 2);
    EXPECT_EQ(snd_voices[14].priority, 19) << "the first of the weakest restarts";
    EXPECT_EQ(snd_voices[14].position, 0u);
    EXPECT_EQ(snd_voices[15].priority, 9);
}

TEST_F(SoundVoices, AOneInstanceSoundNeverPlaysTwice)
{
    int s = entry(tone, SND_MODE_SINGLE);
    start(s);
    start(s, 1.0f, 100);
    EXPECT_EQ(active_voices(s), 1);
}

TEST_F(SoundVoices, APrioritySoundStacksOnlyByExtraPriority)
{
    int s = entry(tone, SND_MODE_PRIORITY, 12);
    start(s);
    EXPECT_EQ(snd_voices[15].priority, 12);
    start(s);
    EXPECT_EQ(active_voices(s), 1);
    start(s, 1.0f, 13);
    EXPECT_EQ(active_voices(s), 2);
    EXPECT_EQ(snd_voices[14].priority, 25);
    EXPECT_EQ(snd_voices[15].priority, 23) << "the older instance falls below the new one";
    start(s, 1.0f, 13);
    EXPECT_EQ(active_voices(s), 2) << "23 is not below the extra 13";
    start(s, 1.0f, 30);
    EXPECT_EQ(snd_voices[15].priority, 42) << "the weakest instance gives way";
    EXPECT_EQ(snd_voices[14].priority, 40);
    EXPECT_EQ(active_voices(s), 2);
}

TEST_F(SoundVoices, WithEveryVoiceBusyTheWeakestGroupVoiceGivesWay)
{
    int busy = entry(other);
    int s = entry(tone);
    for (int v = 0; v < SND_VOICES; v++) {
        snd_voices[v] = SoundVoice{other.data(), 8000, 0, 128, 0, 1, busy, 20};
    }
    snd_voices[0].priority = 10;
    snd_voices[3].priority = 1;    // weak, but of group 0: kept
    snd_voices[7].group = 2;
    snd_voices[7].priority = 5;
    snd_voices[9].group = 1;
    snd_voices[9].priority = 5;
    start(s);
    EXPECT_EQ(snd_voices[7].sound, s) << "the first of the weakest with a group";
    EXPECT_EQ(snd_voices[9].sound, busy);
    EXPECT_EQ(snd_voices[3].sound, busy);

    snd_voices[7] = SoundVoice{other.data(), 8000, 0, 128, 2, 1, busy, 5};
    snd_voices[0].priority = 4;
    start(s);
    EXPECT_EQ(snd_voices[0].sound, s) << "voice 0 when no group voice is weaker than it";
    EXPECT_EQ(snd_voices[7].sound, busy);
}

TEST_F(SoundVoices, StoppingBySoundAndByGroup)
{
    int a = entry(tone, SND_MODE_NORMAL, 9, 0);
    int b = entry(other, SND_MODE_NORMAL, 9, 1);
    int c = entry(other, SND_MODE_NORMAL, 9, 2);
    start(a);
    start(b);
    start(c);
    sound_stop_from(2);
    EXPECT_EQ(active_voices(c), 0);
    EXPECT_EQ(active_voices(b), 1);
    sound_stop_from(1);
    EXPECT_EQ(active_voices(b), 0);
    EXPECT_EQ(active_voices(a), 1);
    sound_stop(a);
    EXPECT_EQ(active_voices(a), 0);
    sound_stop(-1);
    sound_stop(SFX_MAX_NUM);
}

TEST_F(SoundMixer, OneFullScaleVoiceComesOutAtHalfScale)
{
    std::vector<int16_t> s = {32767, -32768, 1000, -1000, 0};
    int i = entry(s);
    start(i);
    std::vector<int16_t> out = mix(8);
    EXPECT_EQ(out, (std::vector<int16_t>{16384, -16384, 500, -500, 0, 0, 0, 0}));
    EXPECT_FALSE(snd_voices[15].active) << "the voice ends with its samples";
    EXPECT_EQ(snd_voices[15].data, nullptr);
}

TEST_F(SoundMixer, LoudMixesAreLimitedAndTheGainRecoversOneStepPerSample)
{
    std::vector<int16_t> s = {30000, 30000, 0, -100, 20000};
    entry(s);
    entry(s);
    start(0);
    start(1);
    std::vector<int16_t> out = mix(5);
    // Peak 60000, then 59999, 59998, 59997, 59996.
    EXPECT_EQ(out, (std::vector<int16_t>{16384, 16384, 0, -54, 10923}));
    EXPECT_EQ(snd_peak, 59996);
    out = mix(3);
    EXPECT_EQ(snd_peak, 59993);
}

TEST_F(SoundMixer, VolumeScalesEachSampleWithAnArithmeticShift)
{
    std::vector<int16_t> s = {1000, -1, -1000};
    int i = entry(s);
    start(i, 0.8f);   // volume 64
    ASSERT_EQ(snd_voices[15].volume, 64);
    std::vector<int16_t> out = mix(3);
    // 500 -> 250; (-1 x 64) >> 7 = -1 -> -0.5 truncates to 0; -500 -> -250.
    EXPECT_EQ(out, (std::vector<int16_t>{250, 0, -250}));
}

TEST_F(SoundMixer, AnyBufferLengthIsMixedInChunks)
{
    std::vector<int16_t> s(3000, 2000);
    int i = entry(s);
    start(i);
    std::vector<int16_t> out = mix(5000);
    for (int k = 0; k < 5000; k++) {
        ASSERT_EQ(out[(size_t)k], k < 3000 ? 1000 : 0) << "sample " << k;
    }
    EXPECT_FALSE(snd_voices[15].active);
}

TEST_F(SoundMixer, AVoiceOfAnOddByteCountEndsAtItsLastWholeSample)
{
    std::vector<int16_t> s = {2000, 2000, 2000};
    int i = entry(s);
    sound_entries[i].length = 5;
    start(i);
    std::vector<int16_t> out = mix(4);
    EXPECT_EQ(out, (std::vector<int16_t>{1000, 1000, 0, 0}));
    out = mix(4);
    EXPECT_EQ(out, (std::vector<int16_t>{0, 0, 0, 0})) << "the odd byte is never played";
    EXPECT_FALSE(snd_voices[15].active);
}

TEST_F(SoundMixer, AStreamShorterThanOneSampleIsLeftAlone)
{
    int i = entry(tone);
    start(i);
    uint8_t byte = 0x77;
    snd_mix_callback(nullptr, &byte, 1);
    EXPECT_EQ(byte, 0x77);
    EXPECT_TRUE(snd_voices[15].active);
    EXPECT_EQ(snd_voices[15].position, 0u);
}

TEST_F(SoundMixer, SilenceWithoutVoices)
{
    std::vector<int16_t> out = mix(16);
    for (int16_t v : out) {
        EXPECT_EQ(v, 0);
    }
    EXPECT_EQ(snd_peak, SND_PEAK_FLOOR);
}

TEST_F(SoundPlay, DistanceAcrossTheFloorLowersTheFactor)
{
    int s = entry(tone, SND_MODE_NORMAL, 9, 1);
    const float near[3] = {0.0f, 500.0f, 0.0f};   // height does not count
    sound_play_at(s, near, 0);
    EXPECT_EQ(snd_voices[15].volume, 128);
    sound_stop(s);
    const float mid[3] = {180.0f, 0.0f, -240.0f};   // 300 away: factor 0.895
    sound_play_at(s, mid, 0);
    EXPECT_EQ(snd_voices[15].volume, 94);
    sound_stop(s);
    const float edge[3] = {680.0f, 0.0f, 0.0f};
    sound_play_at(s, edge, 0);
    EXPECT_EQ(snd_voices[15].volume, 51);
    sound_stop(s);
    const float far[3] = {686.0f, 0.0f, 0.0f};
    sound_play_at(s, far, 0);
    const float very_far[3] = {5000.0f, 0.0f, 0.0f};
    sound_play_at(s, very_far, 100);
    EXPECT_EQ(active_voices(s), 0);

    g_sound_sfxvol = 0.9f;
    sound_play_at(s, mid, 0);
    EXPECT_EQ(snd_voices[15].volume, 65);
    sound_play_at(-1, mid, 0);
    sound_play_at(sound_count, mid, 0);
    sound_play_at(s, nullptr, 0);
    EXPECT_EQ(active_voices(s), 1);
}

TEST_F(SoundPlay, NamedSoundsTakeTheMenuOrEffectsVolume)
{
    sound_named[SOUND_MENU_UPDOWN] = entry(tone);
    sound_named[SOUND_EXTRA_SHIP] = entry(other);
    g_sound_menuvol = 0.93f;
    g_sound_sfxvol = 1.0f;
    sound_play_named(SOUND_MENU_UPDOWN);
    EXPECT_EQ(snd_voices[15].volume, 105);
    sound_play_named(SOUND_EXTRA_SHIP);
    EXPECT_EQ(snd_voices[14].volume, 128);
    sound_play_named_scaled(SOUND_EXTRA_SHIP, 0.33f);   // factor 0.8325
    EXPECT_EQ(snd_voices[13].volume, 74);
    sound_play_named_scaled(SOUND_EXTRA_SHIP, 0.0f);    // factor 0.75: silent
    EXPECT_FALSE(snd_voices[12].active);

    sound_play_named(SOUND_LEVEL_START);   // not loaded
    sound_play_named(9);
    sound_play_named(-1);
    sound_play_named(SOUND_NAMED_COUNT);
    EXPECT_FALSE(snd_voices[12].active);
}

// The table over real files, with SDL's dummy audio device.
class SoundTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        saved_sfx_dir = g_sfx_dir;
        mkdir(dir.file("sfx").c_str(), 0755);
        snprintf(g_sfx_dir, sizeof(g_sfx_dir), "%s/sfx/", dir.path().c_str());
        g_sound_sfxvol = 1.0f;
        g_sound_menuvol = 1.0f;
    }
    void TearDown() override
    {
        sound_shutdown();
        snprintf(g_sfx_dir, sizeof(g_sfx_dir), "%s", saved_sfx_dir.c_str());
    }

    void sfx(const std::string &name, const std::string &bytes) { dir.write("sfx/" + name + ".wav", bytes); }
    std::string path(const std::string &name) const { return dir.path() + "/sfx/" + name + ".wav"; }

    TempDir dir;
    std::string saved_sfx_dir;
    LogCapture log;
};

TEST_F(SoundTable, InitOpensTheDeviceAndLoadsTheNamedSounds)
{
    sfx("menu_select", wav::mono16(wav::square(200, 8000)));
    sfx("ping_timer", wav::mono16(wav::square(100, 8000)));
    sound_init();
    ASSERT_EQ(snd_audio_ok, 1);
    EXPECT_EQ(log.count("[Sound] Opened device (freq: 22050Hz, channels 1, fmt: 0x8010)"), 1);
    EXPECT_EQ(sound_named[SOUND_MENU_SELECT], 0);
    EXPECT_EQ(sound_named[SOUND_PING_TIMER], 1);
    EXPECT_EQ(sound_named[SOUND_MENU_UPDOWN], -1);
    EXPECT_EQ(sound_named[9], -1);
    EXPECT_EQ(sound_count, 2);
    EXPECT_EQ(sound_entries[0].length, 400u);
    EXPECT_EQ(log.count("*** [audio] " + path("levelend_01") + " doesnt exist"), 1);
    EXPECT_EQ(log.errors(), 11) << "the eleven missing named sounds";

    sound_shutdown();
    EXPECT_EQ(log.count("[Sound] finished"), 1);
    EXPECT_EQ(snd_audio_ok, 0);
    EXPECT_EQ(audio_Load("menu_select", 0, 0), -1) << "no device: nothing loads";
}

TEST_F(SoundTable, ANameLoadsOnceWhateverGroupAndModeAskLater)
{
    sfx("boom", wav::mono16(wav::square(100, 8000)));
    sfx("zap", wav::mono16(wav::square(100, 8000)));
    sfx("hum", wav::mono16(wav::square(100, 8000)));
    sound_init();
    int first = sound_count;
    int boom = audio_Load("boom", 3, 1);
    EXPECT_EQ(boom, first);
    EXPECT_EQ(audio_Load("boom", 0, 20), boom);
    EXPECT_EQ(sound_entries[boom].group, 3);
    EXPECT_EQ(sound_entries[boom].mode, SND_MODE_SINGLE);
    EXPECT_EQ(sound_entries[boom].priority, SND_PRIORITY_LOADED);
    int zap = audio_Load("zap", 1, 12);
    EXPECT_EQ(zap, first + 1);
    EXPECT_EQ(sound_entries[zap].mode, SND_MODE_PRIORITY);
    EXPECT_EQ(sound_entries[zap].priority, 12);
    int hum = audio_Load("hum", 0, 5);
    EXPECT_EQ(sound_entries[hum].mode, SND_MODE_NORMAL);
    EXPECT_EQ(sound_entries[hum].priority, SND_PRIORITY_LOADED);
    EXPECT_EQ(audio_Load("Boom", 0, 0), -1) << "sound names compare exactly";
    EXPECT_EQ(sound_count, first + 3);
}

TEST_F(SoundTable, FailedLoadsReturnMinusOneAndKeepTheCount)
{
    sfx("garbage", "this is not a wave file at all");
    sfx("short", wav::mono16({}));
    sound_init();
    log.clear();
    int count = sound_count;
    EXPECT_EQ(audio_Load("missing", 0, 0), -1);
    EXPECT_EQ(log.count("*** [audio] " + path("missing") + " doesnt exist"), 1);
    EXPECT_EQ(audio_Load("garbage", 0, 0), -1);
    EXPECT_EQ(log.count_containing(" [Sound] failed to load " + path("garbage") + ": "), 1);
    EXPECT_EQ(audio_Load("short", 0, 0), -1);
    EXPECT_EQ(audio_Load("", 0, 0), -1);
    EXPECT_EQ(audio_Load(nullptr, 0, 0), -1);
    EXPECT_EQ(audio_Load(std::string(64, 'x').c_str(), 0, 0), -1);
    EXPECT_EQ(sound_count, count);
    EXPECT_EQ(sound_entries[count].priority, 0);
}

TEST_F(SoundTable, OtherFormatsAreConvertedToTheDevicesFormat)
{
    // 100 frames of 8-bit stereo at 11025 Hz: 200 frames of 16-bit mono at 22050 Hz.
    sfx("old", wav::pcm(std::string(200, (char)0xc0), 8, 2, 11025));
    sound_init();
    int i = audio_Load("old", 0, 0);
    ASSERT_GE(i, 0);
    EXPECT_EQ(log.count("[Sound] converting " + path("old")), 1);
    EXPECT_EQ(sound_entries[i].length, 400u);
    EXPECT_EQ(sound_entries[i].data[10], 0x4000) << "unsigned 0xc0 is half way up";
}

// A header SDL must not be given never reaches it: SDL would build more conversion steps
// than it holds for a far-off rate (and jump through the stack), or allocate a chunk's
// claimed length before reading it.
TEST_F(SoundTable, HostileHeadersAreRefusedBeforeSDLReadsThem)
{
    std::string flipped = wav::mono16(wav::square(200, 8000));
    flipped[24 + 3] ^= 0x02;   // one bit of the rate: 22050 Hz becomes 33576482 Hz
    std::string huge = wav::mono16(wav::square(200, 8000));
    huge.replace(40, 4, "\xf0\xff\xff\xff");   // a data length near 4 GB
    std::string adpcm = wav::mono16(wav::square(200, 8000));
    adpcm[20] = 2;
    const struct {
        const char *name;
        std::string bytes;
        const char *why;
    } cases[] = {
        {"menu_select", flipped, "rate of 33576482 Hz, 1000..192000 are played"},
        {"slow", wav::pcm(std::string(400, (char)0x80), 8, 2, 99), "rate of 99 Hz"},
        {"fast", wav::pcm(std::string(400, 0), 16, 1, 192001), "rate of 192001 Hz"},
        {"wide", wav::pcm(std::string(600, 0), 16, 3, 22050), "3 channels"},
        {"none", wav::pcm(std::string(600, 0), 16, 0, 22050), "0 channels"},
        {"deep", wav::pcm(std::string(600, 0), 24, 1, 22050), "24 bits a sample"},
        {"packed", adpcm, "encoding 2 is not PCM"},
        {"huge", huge, "the chunk at byte 36 claims 4294967280 bytes, 400 are left"},
        {"cut", wav::mono16(wav::square(200, 8000)).substr(0, 30), "the chunk at byte 12 claims 16 bytes"},
        {"bare", wav::mono16({}).substr(0, 36), "no data chunk"},
    };
    for (const auto &c : cases) {
        sfx(c.name, c.bytes);
    }
    sound_init();
    EXPECT_EQ(sound_named[SOUND_MENU_SELECT], -1);
    EXPECT_EQ(log.count_containing(" [Sound] failed to load " + path("menu_select") + ": rate of 33576482 Hz"), 1);
    EXPECT_EQ(log.count_containing("[Sound] converting"), 0) << "nothing reached SDL's converter";
    int count = sound_count;
    for (const auto &c : cases) {
        log.clear();
        EXPECT_EQ(audio_Load(c.name, 0, 0), -1) << c.name;
        EXPECT_EQ(log.count_containing(" [Sound] failed to load " + path(c.name) + ": " + c.why), 1)
            << c.name << ": " << log.joined();
    }
    EXPECT_EQ(sound_count, count);
    // A file larger than any sound's samples is refused unread (a sparse file here).
    sfx("vast", wav::mono16(wav::square(200, 8000)));
    ASSERT_EQ(truncate(path("vast").c_str(), (off_t)65 << 20), 0);
    log.clear();
    EXPECT_EQ(audio_Load("vast", 0, 0), -1);
    EXPECT_EQ(log.count(" [Sound] failed to load " + path("vast") + ": 68157440 bytes, more than a sound may hold"),
              1);
    // The ends of the range still play: the most conversion steps SDL is asked for.
    sfx("low", wav::pcm(std::string(40, (char)0xc0), 8, 2, 1000));
    sfx("high", wav::pcm(std::string(1600, 0), 16, 2, 192000));
    EXPECT_GE(audio_Load("low", 0, 0), 0);
    EXPECT_GE(audio_Load("high", 0, 0), 0);
    EXPECT_EQ(log.count("[Sound] converting " + path("low")), 1);
}

TEST_F(SoundTable, TheTableHolds256SoundsAndRefusesTheNext)
{
    std::string bytes = wav::mono16(wav::square(20, 100));
    for (int i = 0; i <= SFX_MAX_NUM; i++) {
        sfx("s" + std::to_string(i), bytes);
    }
    sound_init();
    sound_free_all(0);
    for (int i = 0; i < SFX_MAX_NUM; i++) {
        ASSERT_EQ(audio_Load(("s" + std::to_string(i)).c_str(), 0, 0), i);
    }
    log.clear();
    EXPECT_EQ(audio_Load("s256", 0, 0), -1);
    EXPECT_EQ(log.count("*** [audio] audio_Load SFX_MAX_NUM reached. Increase #define value. :)"), 1);
    EXPECT_EQ(audio_Load("s17", 0, 0), 17) << "a loaded name is still found";
    EXPECT_EQ(sound_count, SFX_MAX_NUM);
    sound_free_all(100);
    EXPECT_EQ(sound_count, 100);
    EXPECT_EQ(sound_entries[100].data, nullptr);
    EXPECT_EQ(audio_Load("s256", 0, 0), 100);
}

TEST_F(SoundTable, TheAmbientTrackIsOneAtATimeAndNeverThePreviousOne)
{
    for (int n = 0; n < 4; n++) {
        sfx("ambi-0" + std::to_string(n), wav::mono16(wav::square(4000, 100)));
    }
    sound_init();
    // A seed whose first draw gives track 3.
    uint32_t seed = 1;
    for (;; seed++) {
        mt_seed(seed);
        if (((mt_rand() & 0x7fff) >> 13) == 3) {
            break;
        }
    }
    snd_last_ambient = 3;
    mt_seed(seed);
    sound_load_ambient();
    EXPECT_EQ(snd_last_ambient, 0) << "3 after 3 becomes 0";
    ASSERT_EQ(sound_named[SOUND_AMBIENT], 14);
    EXPECT_STREQ(sound_entries[14].name, "ambi-00");
    EXPECT_EQ(sound_entries[14].mode, SND_MODE_SINGLE);

    for (int i = 0; i < 50; i++) {
        int before = snd_last_ambient;
        sound_load_ambient();
        EXPECT_NE(snd_last_ambient, before);
        EXPECT_EQ(sound_named[SOUND_AMBIENT], 14);
        EXPECT_EQ(sound_count, 15);
    }
    sound_play_named(SOUND_AMBIENT);
    sound_play_named(SOUND_AMBIENT);
    SDL_LockAudio();
    int playing = 0;
    for (const SoundVoice &v : snd_voices) {
        playing += v.active && v.sound == 14;
    }
    SDL_UnlockAudio();
    EXPECT_EQ(playing, 1);
}

} // namespace
