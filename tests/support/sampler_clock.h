// sampler_clock.h -- the input sampler's timer as a test drives it: while a SamplerClock
// is alive the input starts and stops its sampler on it instead of on SDL's timer thread,
// and fire() calls the running samplers as that thread would, one interval of the clock
// a call. One at a time; it may fire from a thread of its own.
#pragma once

#include <cstdint>

class SamplerClock {
public:
    SamplerClock();
    // SDL's timer again; a sampler still running is the test's failure.
    ~SamplerClock();
    SamplerClock(const SamplerClock &) = delete;
    SamplerClock &operator=(const SamplerClock &) = delete;

    // n intervals: each calls every running sampler once, outside the lock as SDL does,
    // so a removal may overlap a call in progress.
    void fire(int n);
    int running() const;         // timers added and not yet removed
    int started() const;         // timers ever added
    uint32_t interval() const;   // the last interval asked for
};
