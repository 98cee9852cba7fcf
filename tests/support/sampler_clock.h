// sampler_clock.h -- the input sampler's timer as a test drives it: while a SamplerClock
// is alive the input starts and stops its sampler on it instead of on SDL's timer thread,
// and fire() calls the sampler as that thread would, advancing the clock one interval a
// call. One at a time; it may fire from a thread of its own.
#pragma once

#include "platform/input.h"

#include <cstdint>
#include <mutex>

class SamplerClock {
public:
    SamplerClock();
    // SDL's timer again. A timer still running then is a failure of the test: the input
    // would later remove it through SDL's hooks.
    ~SamplerClock();
    SamplerClock(const SamplerClock &) = delete;
    SamplerClock &operator=(const SamplerClock &) = delete;

    // n intervals of the clock: each calls every running timer's callback once, outside
    // the lock as SDL does, so a removal may overlap a call in progress. Returns the
    // calls made.
    int fire(int n);
    int running() const;         // timers added and not yet removed
    int started() const;         // timers ever added
    uint32_t interval() const;   // the last interval asked for

private:
    static void *add(uint32_t interval, input_timer_callback_t callback);
    static void remove(void *timer);
    static uint32_t clock();

    static constexpr int MAX_TIMERS = 4;
    mutable std::mutex lock_;
    input_timer_callback_t callbacks_[MAX_TIMERS] = {};   // null: slot free
    uint32_t intervals_[MAX_TIMERS] = {};
    int started_ = 0;
    uint32_t last_interval_ = 0;
    uint32_t now_ = 0;
};
