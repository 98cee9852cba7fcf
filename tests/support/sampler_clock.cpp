// sampler_clock.cpp -- the input sampler's timer as a test drives it.

#include "tests/support/sampler_clock.h"

#include <gtest/gtest.h>

namespace {
SamplerClock *sampler_clock_current;
}

SamplerClock::SamplerClock()
{
    sampler_clock_current = this;
    g_input_timer_hooks = InputTimerHooks{add, remove, clock};
}

SamplerClock::~SamplerClock()
{
    EXPECT_EQ(running(), 0) << "the test left the input's sampler running";
    g_input_timer_hooks = INPUT_TIMER_HOOKS_DEFAULT;
    sampler_clock_current = nullptr;
}

int SamplerClock::fire(int n)
{
    int calls = 0;
    for (int k = 0; k < n; k++) {
        input_timer_callback_t callbacks[MAX_TIMERS];
        uint32_t intervals[MAX_TIMERS];
        {
            std::lock_guard<std::mutex> hold(lock_);
            now_ += last_interval_;
            for (int i = 0; i < MAX_TIMERS; i++) {
                callbacks[i] = callbacks_[i];
                intervals[i] = intervals_[i];
            }
        }
        for (int i = 0; i < MAX_TIMERS; i++) {
            if (callbacks[i]) {
                callbacks[i](intervals[i], nullptr);
                calls++;
            }
        }
    }
    return calls;
}

int SamplerClock::running() const
{
    std::lock_guard<std::mutex> hold(lock_);
    int n = 0;
    for (input_timer_callback_t c : callbacks_) {
        n += c != nullptr;
    }
    return n;
}

int SamplerClock::started() const
{
    std::lock_guard<std::mutex> hold(lock_);
    return started_;
}

uint32_t SamplerClock::interval() const
{
    std::lock_guard<std::mutex> hold(lock_);
    return last_interval_;
}

void *SamplerClock::add(uint32_t interval, input_timer_callback_t callback)
{
    SamplerClock *c = sampler_clock_current;
    std::lock_guard<std::mutex> hold(c->lock_);
    for (int i = 0; i < MAX_TIMERS; i++) {
        if (!c->callbacks_[i]) {
            c->callbacks_[i] = callback;
            c->intervals_[i] = interval;
            c->started_++;
            c->last_interval_ = interval;
            return &c->callbacks_[i];
        }
    }
    return nullptr;
}

void SamplerClock::remove(void *timer)
{
    SamplerClock *c = sampler_clock_current;
    std::lock_guard<std::mutex> hold(c->lock_);
    for (input_timer_callback_t &slot : c->callbacks_) {
        if (&slot == timer) {
            slot = nullptr;
        }
    }
}

uint32_t SamplerClock::clock()
{
    SamplerClock *c = sampler_clock_current;
    std::lock_guard<std::mutex> hold(c->lock_);
    return c->now_;
}
