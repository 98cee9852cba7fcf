// The sampler on another thread against the game thread: every sample replayed exactly
// once and in order, the reset waiting for a sample in progress, and SDL's real 10 ms
// timer (its rate over two seconds, and a run with resets and a restart). test.sh also
// runs these under ThreadSanitizer.

#include "platform/bind.h"
#include "platform/input.h"
#include "platform/input_local.h"
#include "tests/support/log_capture.h"
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
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
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

// SDL's timer thread drives the real sampler.
class InputTimer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_TIMER), 0) << SDL_GetError();
        input_register_config();
        g_menu_input = 0;
    }
    void TearDown() override
    {
        input_set_snapshot_reader(nullptr);
        SDL_Quit();
    }

    TempDir dir{true};
    LogCapture log;
};

TEST_F(InputTimer, SamplesAtAHundredHertzOverTwoSeconds)
{
    input_init();
    // Started again without a stop between (as a restart inside the input's start did):
    // still one sampler.
    input_open_devices();
    EXPECT_EQ(log.count("[input] Found 0 joysticks"), 2);
    input_take_pending();
    auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(2));
    int n = input_take_pending();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    input_shutdown();
    double rate = n / seconds;
    RecordProperty("samples_per_second", std::to_string(rate));
    printf("sampler: %d samples in %.3f s = %.1f Hz\n", n, seconds, rate);
    EXPECT_NEAR(rate, 100.0, 20.0);
    int after = input_pending_count();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(input_pending_count(), after) << "no sample after the shut-down";
    EXPECT_EQ(log.count("[input] released direct input j = 0"), 1);
}

TEST_F(InputTimer, GameThreadConsumesResetsAndRestartsAgainstTheTimer)
{
    dir.write("bindwin32.cfg", "BIND key97 fire_left\n");
    input_set_snapshot_reader(fake_reader);
    g_menu_input = 1;
    input_init();
    int steps = 0;
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(600);
    for (int round = 0; std::chrono::steady_clock::now() < end; round++) {
        int n = input_take_pending();
        for (int i = 0; i < n; i++) {
            input_step();
            steps++;
        }
        if (round % 7 == 0) {
            input_reset();
        }
        if (round == 20) {
            // A video restart: the input stops and starts again with the timer running.
            input_shutdown();
            input_init();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    input_shutdown();
    g_menu_input = 0;
    EXPECT_GT(steps, 10);
    EXPECT_EQ(log.count("[input] wrote bindwin32.cfg"), 2);
    EXPECT_EQ(dir.read("bindwin32.cfg"), "BIND key97 fire_left\n");
}

} // namespace
