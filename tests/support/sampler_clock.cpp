// sampler_clock.cpp -- the input sampler's timer as a test drives it.

#include "tests/support/sampler_clock.h"

#include "platform/input.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <mutex>

namespace {

constexpr int SAMPLER_TIMERS = 4;   // more than one is already the fault the tests look for

std::mutex sampler_lock;
input_timer_callback_t sampler_timers[SAMPLER_TIMERS];   // null: slot free
int sampler_started;
uint32_t sampler_interval;
uint32_t sampler_now;

void *sampler_add(uint32_t interval, input_timer_callback_t callback)
{
    std::lock_guard<std::mutex> hold(sampler_lock);
    for (input_timer_callback_t &slot : sampler_timers) {
        if (!slot) {
            slot = callback;
            sampler_started++;
            sampler_interval = interval;
            return &slot;
        }
    }
    return nullptr;
}

void sampler_remove(void *timer)
{
    std::lock_guard<std::mutex> hold(sampler_lock);
    *(input_timer_callback_t *)timer = nullptr;
}

uint32_t sampler_time(void)
{
    std::lock_guard<std::mutex> hold(sampler_lock);
    return sampler_now;
}

} // namespace

SamplerClock::SamplerClock()
{
    std::lock_guard<std::mutex> hold(sampler_lock);
    for (input_timer_callback_t &slot : sampler_timers) {
        slot = nullptr;
    }
    sampler_started = 0;
    sampler_interval = 0;
    sampler_now = 0;
    g_input_timer_hooks = InputTimerHooks{sampler_add, sampler_remove, sampler_time};
}

SamplerClock::~SamplerClock()
{
    EXPECT_EQ(running(), 0) << "the test left the input's sampler running";
    g_input_timer_hooks = INPUT_TIMER_HOOKS_DEFAULT;
}

void SamplerClock::fire(int n)
{
    for (int k = 0; k < n; k++) {
        input_timer_callback_t due[SAMPLER_TIMERS];
        uint32_t interval;
        {
            std::lock_guard<std::mutex> hold(sampler_lock);
            sampler_now += sampler_interval;
            interval = sampler_interval;
            std::copy(sampler_timers, sampler_timers + SAMPLER_TIMERS, due);
        }
        for (input_timer_callback_t callback : due) {
            if (callback) {
                callback(interval, nullptr);
            }
        }
    }
}

int SamplerClock::running() const
{
    std::lock_guard<std::mutex> hold(sampler_lock);
    int n = 0;
    for (input_timer_callback_t slot : sampler_timers) {
        n += slot != nullptr;
    }
    return n;
}

int SamplerClock::started() const
{
    std::lock_guard<std::mutex> hold(sampler_lock);
    return sampler_started;
}

uint32_t SamplerClock::interval() const
{
    std::lock_guard<std::mutex> hold(sampler_lock);
    return sampler_interval;
}
