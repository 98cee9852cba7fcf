// The sampler on another thread against the game thread: every sample replayed exactly
// once and in order, the reset waiting for a sample in progress, the timer that runs it
// (one sampler, resets and restarts while it fires) and SDL's real 10 ms timer. test.sh
// also runs these under ThreadSanitizer.

#include "platform/bind.h"
#include "platform/input.h"
#include "platform/input_local.h"
#include "tests/support/log_capture.h"
#include "tests/support/sampler_clock.h"
#include "tests/support/temp_dir.h"

#include <SDL.h>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

namespace {

constexpr int SEQUENCE_CODES = 299;   // key codes 1..299 carry a sample's number (no lock keys)

// The fake devices: each snapshot holds down one key whose code counts the samples.
std::atomic<int> fake_samples{0};
std::atomic<int> fake_delay_ms{0};
std::atomic<bool> fake_inside{false};

void fake_reader(InputSnapshot *snapshot)
{
    fake_inside = true;
    *snapshot = InputSnapshot{};
    int n = fake_samples.fetch_add(1);
    snapshot->keys[1 + n % SEQUENCE_CODES] = 1;
    if (int delay = fake_delay_ms.load()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
    }
    fake_inside = false;
}

int next_code(int code)
{
    return code % SEQUENCE_CODES + 1;
}

class InputThreads : public ::testing::Test {
protected:
    void SetUp() override
    {
        input_clear_slots();
        input_joystick_count = 0;
        g_back_latch = 0;
        g_menu_input = 1;   // menus report the key pressed as the frame's code
        fake_samples = 0;
        fake_delay_ms = 0;
        input_set_snapshot_reader(fake_reader);
        input_reset();
        g_input_ring_state = 0;
        g_input_read = 0;
    }
    void TearDown() override
    {
        input_set_snapshot_reader(nullptr);
        g_menu_input = 0;
        g_back_latch = 0;
        input_reset();
    }
};

TEST_F(InputThreads, EverySampleIsReplayedOnceAndInOrder)
{
    constexpr int SAMPLES = 20000;
    std::thread sampler([] {
        for (int i = 0; i < SAMPLES; i++) {
            // A backlog of up to half a second, as a game thread busy with a frame leaves.
            while (input_pending_count() >= 50) {
                std::this_thread::yield();
            }
            input_timer_tick(INPUT_INTERVAL_MS, nullptr);
        }
    });
    int seen = 0;
    int expected = 1;
    int out_of_order = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (seen < SAMPLES && std::chrono::steady_clock::now() < deadline) {
        int n = input_take_pending();
        for (int i = 0; i < n; i++) {
            input_step();
            out_of_order += g_input_frame->last_code != expected;
            expected = next_code(g_input_frame->last_code);
            g_back_latch = 0;
        }
        seen += n;
    }
    sampler.join();
    seen += input_take_pending();
    EXPECT_EQ(seen, SAMPLES) << "no sample skipped or replayed";
    EXPECT_EQ(out_of_order, 0);
}

TEST_F(InputThreads, ResetsBetweenSamplesNeverTearTheRing)
{
    std::atomic<bool> stop{false};
    std::thread sampler([&stop] {
        while (!stop) {
            if (input_pending_count() < 50) {
                input_timer_tick(INPUT_INTERVAL_MS, nullptr);
            } else {
                std::this_thread::yield();
            }
        }
    });
    int out_of_order = 0;
    int batches = 0;
    // Only a guard against a hang: on a busy machine each hand-over between the threads
    // can wait tens of milliseconds for a processor.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    for (int round = 0; batches < 1000 && std::chrono::steady_clock::now() < deadline; round++) {
        while (input_pending_count() == 0 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::yield();
        }
        int n = input_take_pending();
        int expected = -1;   // a reset drops samples: the first after one may be any
        for (int i = 0; i < n; i++) {
            input_step();
            int code = g_input_frame->last_code;
            out_of_order += expected != -1 && code != expected;
            expected = next_code(code);
            g_back_latch = 0;
        }
        batches += n > 0;
        if (round % 3 == 0) {
            input_reset();
        }
    }
    stop = true;
    sampler.join();
    EXPECT_EQ(batches, 1000);
    EXPECT_EQ(out_of_order, 0);
}

TEST_F(InputThreads, ResetWaitsForASampleInProgress)
{
    fake_delay_ms = 100;
    std::thread sampler([] { input_timer_tick(INPUT_INTERVAL_MS, nullptr); });
    while (!fake_inside) {
        std::this_thread::yield();
    }
    input_reset();
    EXPECT_FALSE(fake_inside) << "the reset returned while the sample was still being taken";
    sampler.join();
    EXPECT_EQ(input_pending_count(), 0) << "the sample finished before the reset, which dropped it";
    fake_delay_ms = 0;
    input_timer_tick(INPUT_INTERVAL_MS, nullptr);
    EXPECT_EQ(input_pending_count(), 1) << "the sampler runs again";
}

// The sampler's timer: started once whatever starts the input, stopped with it, and
// sampling once an interval, against a clock the test drives (tests/support/sampler_clock);
// one run on SDL's real timer thread.
class InputTimer : public ::testing::Test {
protected:
    void SetUp() override
    {
        input_register_config();
        g_menu_input = 0;
    }
    void TearDown() override
    {
        input_set_snapshot_reader(nullptr);
        g_menu_input = 0;
    }

    TempDir dir{true};
    LogCapture log;
};

TEST_F(InputTimer, OneSamplerAtItsIntervalWhateverStartsIt)
{
    SamplerClock clock;
    input_init();
    // Started again without a stop between (as a restart inside the input's start did):
    // still one sampler, and still sampling.
    input_open_devices();
    EXPECT_EQ(log.count("[input] Found 0 joysticks"), 2);
    EXPECT_EQ(clock.running(), 1);
    EXPECT_EQ(clock.interval(), (uint32_t)INPUT_INTERVAL_MS);
    input_take_pending();
    clock.fire(200);
    EXPECT_EQ(input_take_pending(), 200) << "two seconds of the clock, one sample every 10 ms";
    input_shutdown();
    EXPECT_EQ(clock.running(), 0);
    EXPECT_EQ(log.count("[input] sampler ran 200 times in 2000 ms"), 1);
    EXPECT_EQ(log.count("[input] released direct input j = 0"), 1);
}

TEST_F(InputTimer, GameThreadConsumesResetsAndRestartsWhileTheTimerFires)
{
    dir.write("bindwin32.cfg", "BIND key97 fire_left\n");
    input_set_snapshot_reader(fake_reader);
    g_menu_input = 1;
    SamplerClock clock;
    // The timer's own thread, as SDL's: it fires while the game thread takes, resets and
    // restarts the input, never more than half a second ahead of it.
    std::atomic<bool> stop{false};
    std::thread timer([&clock, &stop] {
        while (!stop) {
            if (input_pending_count() < 50) {
                clock.fire(1);
            }
            std::this_thread::yield();
        }
    });
    input_init();
    int steps = 0;
    int restarts = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (int round = 0; (steps < 2000 || restarts < 3) && std::chrono::steady_clock::now() < deadline; round++) {
        int n = input_take_pending();
        for (int i = 0; i < n; i++) {
            input_step();
            steps++;
        }
        if (round % 7 == 0) {
            input_reset();
        }
        if (round % 500 == 250) {
            // A video restart: the input stops and starts again while the timer runs.
            input_shutdown();
            input_init();
            restarts++;
        }
        std::this_thread::yield();
    }
    input_shutdown();
    stop = true;
    timer.join();
    EXPECT_GE(steps, 2000);
    EXPECT_EQ(clock.started(), 1 + restarts);
    EXPECT_EQ(log.count("[input] wrote bindwin32.cfg"), 1 + restarts);
    EXPECT_EQ(dir.read("bindwin32.cfg"), "BIND key97 fire_left\n");
}

// SDL's own timer thread runs the sampler and stops with the input. A busy machine may
// slow it down, never speed it up: the sampler is judged by its start, a rate no higher
// than one sampler gives, and its stop.
TEST_F(InputTimer, SdlsTimerSamplesUntilTheShutDown)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_TIMER), 0) << SDL_GetError();
    input_init();
    input_take_pending();
    auto start = std::chrono::steady_clock::now();
    auto deadline = start + std::chrono::seconds(60);
    int samples = 0;
    while (samples < 30 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        samples += input_take_pending();
    }
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    input_shutdown();
    EXPECT_GE(samples, 30) << "in " << ms << " ms";
    EXPECT_LE(samples, 1.5 * ms / INPUT_INTERVAL_MS + 2) << "two samplers: " << samples << " samples in " << ms << " ms";
    int after = input_pending_count();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(input_pending_count(), after) << "no sample after the shut-down";
    SDL_QuitSubSystem(SDL_INIT_TIMER);
}

} // namespace
