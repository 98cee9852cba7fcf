// The sound path end to end through SDL: WAV files played with the named-sound calls come
// out of SDL's "disk" audio driver, which writes the device's stream into a file.

#include "core/file.h"
#include "game/settings.h"
#include "platform/sound.h"
#include "platform/sound_local.h"
#include "tests/platform/wav_file.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

class SoundDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_sfx_dir = g_sfx_dir;
        mkdir(dir.file("sfx").c_str(), 0755);
        snprintf(g_sfx_dir, sizeof(g_sfx_dir), "%s/sfx/", dir.path().c_str());
        g_sound_sfxvol = 1.0f;
        g_sound_menuvol = 1.0f;
        // SDL reads the driver when its audio starts.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", dir.file("stream.raw").c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "5", 1);   // ms between buffers; SDL's default is 150
    }
    void TearDown() override
    {
        sound_shutdown();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        snprintf(g_sfx_dir, sizeof(g_sfx_dir), "%s", saved_sfx_dir.c_str());
    }

    // Waits until no voice plays, then lets a few more buffers out.
    static bool wait_until_silent(double seconds)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < end) {
            SDL_LockAudio();
            int playing = 0;
            for (const SoundVoice &v : snd_voices) {
                playing += v.active;
            }
            SDL_UnlockAudio();
            if (!playing) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    // The samples SDL wrote, after closing the device.
    std::vector<int16_t> stream()
    {
        sound_shutdown();
        std::string bytes = dir.read("stream.raw");
        std::vector<int16_t> s(bytes.size() / 2);
        memcpy(s.data(), bytes.data(), s.size() * 2);
        return s;
    }

    static int peak(const std::vector<int16_t> &s)
    {
        int p = 0;
        for (int16_t v : s) {
            p = std::max(p, std::abs((int)v));
        }
        return p;
    }

    static int loud_samples(const std::vector<int16_t> &s, int above)
    {
        int n = 0;
        for (int16_t v : s) {
            n += std::abs((int)v) > above;
        }
        return n;
    }

    TempDir dir;
    std::string saved_sfx_dir;
    LogCapture log;
};

TEST_F(SoundDisk, ANamedSoundReachesTheDeviceAtHalfScale)
{
    dir.write("sfx/menu_select.wav", wav::mono16(wav::square(11025, 30000)));   // half a second
    sound_init();
    ASSERT_EQ(snd_audio_ok, 1) << log.joined();
    EXPECT_EQ(log.count("[Sound] Opened device (freq: 22050Hz, channels 1, fmt: 0x8010)"), 1);
    sound_play_named(SOUND_MENU_SELECT);
    ASSERT_TRUE(wait_until_silent(10.0));
    std::vector<int16_t> s = stream();
    ASSERT_GE(s.size(), 11025u);
    EXPECT_EQ(peak(s), 15000) << "30000 through the limiter: exactly half";
    EXPECT_EQ(loud_samples(s, 14000), 11025) << "every sample of the sound, once";
}

TEST_F(SoundDisk, TwoLoudSoundsTogetherStayWithinHalfScale)
{
    dir.write("sfx/extra_ship.wav", wav::mono16(wav::square(8000, 32000)));
    dir.write("sfx/time_bonus.wav", wav::mono16(wav::square(8000, 32000)));
    // 44.1 kHz: converted to the device's rate on loading.
    dir.write("sfx/levelend_01.wav", wav::mono16(wav::square(8000, 20000, 100), 44100));
    sound_init();
    ASSERT_EQ(snd_audio_ok, 1);
    EXPECT_EQ(log.count_containing("[Sound] converting "), 1);
    // First alone: after a loud mix the limiter lets go only one step per sample.
    sound_play_named_scaled(SOUND_LEVEL_END, 1.0f);
    ASSERT_TRUE(wait_until_silent(10.0));
    SDL_LockAudio();   // both start in the same buffer
    sound_play_named(SOUND_EXTRA_SHIP);
    sound_play_named(SOUND_TIME_BONUS);
    SDL_UnlockAudio();
    ASSERT_TRUE(wait_until_silent(10.0));
    std::vector<int16_t> s = stream();
    EXPECT_LE(peak(s), 16384);
    EXPECT_GE(loud_samples(s, 16000), 7900) << "the sum of 64000 is limited, not clipped";
    EXPECT_GE(loud_samples(s, 9000), 7900 + 3900) << "the converted sound plays too";
}

// The mixer ends voices on SDL's audio thread while the game thread starts others: the
// choice of a voice reads them, so it too runs under the audio lock (test.sh runs this
// under ThreadSanitizer).
TEST_F(SoundDisk, VoicesStartWhileTheMixerEndsOthers)
{
    // Shorter than one mixed buffer: every voice ends in the next callback.
    dir.write("sfx/menu_select.wav", wav::mono16(wav::square(200, 8000)));
    dir.write("sfx/menu_updown.wav", wav::mono16(wav::square(300, 8000)));
    sound_init();
    ASSERT_EQ(snd_audio_ok, 1) << log.joined();
    for (int i = 0; i < 2000; i++) {
        sound_play_named(i % 3 ? SOUND_MENU_SELECT : SOUND_MENU_UPDOWN);
        if (i % 4 == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
    }
    ASSERT_TRUE(wait_until_silent(10.0));
    EXPECT_GE(loud_samples(stream(), 3000), 200) << "the sounds were played";
}

// The sounds the asset generator writes, through the game's loader and SDL's disk driver.
class SoundAssets : public SoundDisk {};

TEST_F(SoundAssets, TheGeneratedSoundsLoadUnconvertedAndPlay)
{
    const std::string sfx = relative_path(std::string(GLIMMERFALL_BINARY_DIR) + "/assets") + "/styles/sfx/";
    if (file_exists_size((sfx + "menu_select.wav").c_str()) < 1) {
        GTEST_SKIP() << "no generated asset tree in this build";
    }
    snprintf(g_sfx_dir, sizeof(g_sfx_dir), "%s", sfx.c_str());
    sound_init();
    ASSERT_EQ(snd_audio_ok, 1);
    for (int id = 0; id < SOUND_AMBIENT; id++) {
        if (id != 9) {
            EXPECT_GE(sound_named[id], 0) << "named sound " << id;
        }
    }
    sound_load_ambient();
    EXPECT_EQ(sound_named[SOUND_AMBIENT], 14);
    EXPECT_EQ(log.count_containing("[Sound] converting"), 0) << "written in the mixer's own format";
    EXPECT_EQ(log.errors(), 0);
    sound_play_named(SOUND_MENU_SELECT);
    sound_play_named(SOUND_PICKUP_POWERUP);
    ASSERT_TRUE(wait_until_silent(10.0));
    std::vector<int16_t> s = stream();
    EXPECT_GT(loud_samples(s, 1000), 500) << "audible";
    EXPECT_LE(peak(s), 16384);
}

} // namespace
