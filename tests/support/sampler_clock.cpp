// sampler_clock.cpp -- the input sampler's timer as a test drives it. Every timer the
// input adds runs the same callback, so the clock keeps the callback and a count.

#include "tests/support/sampler_clock.h"

#include "platform/input.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <mutex>

namespace {

std::mutex sampler_lock;
input_timer_callback_t sampler_callback;
int sampler_running;
int sampler_started;
uint32_t sampler_interval;
uint32_t sampler_now;

void *sampler_add(uint32_t interval, input_timer_callback_t callback)
{
    std::lock_guard<std::mutex> hold(sampler_lock);
    sampler_callback = callback;
    sampler_interval = interval;
    sampler_running++;
    return (void *)(intptr_t)++sampler_started;   // the handle: the timer's number
}

void sampler_remove(void *)
{
    std::lock_guard<std::mutex> hold(sampler_lock);
    sampler_running--;
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
    sampler_callback = nullptr;
    sampler_running = sampler_started = 0;
    sampler_interval = sampler_now = 0;
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
        int due;
        uint32_t interval;
        input_timer_callback_t callback;
        {
            std::lock_guard<std::mutex> hold(sampler_lock);
            sampler_now += sampler_interval;
            due = sampler_running;
            interval = sampler_interval;
            callback = sampler_callback;
        }
        for (int i = 0; i < due; i++) {
            callback(interval, nullptr);
        }
    }
}

int SamplerClock::running() const
{
    std::lock_guard<std::mutex> hold(sampler_lock);
    return sampler_running;
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
