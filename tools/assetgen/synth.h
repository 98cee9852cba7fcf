// synth.h -- the generator's small synthesiser: band-limited oscillators, seeded noise,
// envelopes, resonant filters, a room reverb and an echo, rendered at 22050 Hz into
// float buffers. Everything is deterministic: no clock, noise from a fixed seed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace synth {

constexpr int RATE = 22050;
constexpr double PI = 3.14159265358979323846;

using Buffer = std::vector<float>;

// xorshift32: the same sequence on every run for the same seed.
struct Rng {
    uint32_t state;
    explicit Rng(uint32_t seed) : state(seed ? seed : 0x9e3779b9u) {}
    uint32_t next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    float uniform() { return (float)(next() >> 8) * (1.0f / 16777216.0f); }   // [0, 1)
    float bipolar() { return uniform() * 2.0f - 1.0f; }                       // [-1, 1)
    float range(float lo, float hi) { return lo + (hi - lo) * uniform(); }
};

// Equal-tempered pitch: note 69 is A4 = 440 Hz.
float note_hz(float note);
int samples_of(double seconds);

enum class Wave { Sine, Saw, Square, Triangle };

// A phase-accumulating oscillator; saw and square are band-limited (PolyBLEP).
struct Osc {
    double phase = 0.0;
    float width = 0.5f;   // pulse width of the square
    float next(float hz, Wave wave);
};

// RBJ biquad; coefficients can be changed while it runs.
struct Biquad {
    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    void lowpass(float hz, float q);
    void highpass(float hz, float q);
    void bandpass(float hz, float q);
    float process(float x);
};

// Pink-ish noise: white noise through a three-pole filter.
struct PinkNoise {
    float b0 = 0, b1 = 0, b2 = 0;
    float next(Rng &rng);
};

// Attack-decay-sustain-release envelope at time t (seconds) of a note held for hold
// seconds; 0 after the release.
float adsr(float t, float attack, float decay, float sustain, float hold, float release);
// Percussive envelope: linear attack, exponential decay with the given time constant.
float perc(float t, float attack, float decay);

// Schroeder/Freeverb style mono room: eight damped combs and four allpasses.
struct Reverb {
    Reverb(float room, float damp);
    float process(float x);

private:
    struct Comb {
        std::vector<float> line;
        size_t pos = 0;
        float store = 0;
    };
    struct Allpass {
        std::vector<float> line;
        size_t pos = 0;
    };
    Comb combs[8];
    Allpass allpasses[4];
    float feedback;
    float damp;
};

// Adds x at sample i when i is inside the buffer.
inline void mix_at(Buffer &b, long i, float x)
{
    if (i >= 0 && (size_t)i < b.size()) {
        b[(size_t)i] += x;
    }
}

// Adds a wet reverb of the buffer to itself (the buffer grows by tail seconds first).
void add_reverb(Buffer &b, float wet, float room, float damp, float tail);
// The same for a loop: the reverb runs over the loop twice and the second pass is
// kept, so the tail of the end rings into the start.
void add_reverb_loop(Buffer &b, float wet, float room, float damp);
// Feedback echo over a loop, also run twice round.
void add_echo_loop(Buffer &b, float seconds, float feedback, float wet, float lowpass_hz);
// Folds a buffer longer than the loop back onto its start, so sounds that ring past
// the loop's end continue at its start.
void fold_loop(Buffer &b, size_t loop_length);
// Short linear fades at both ends (in seconds).
void fade_edges(Buffer &b, float in, float out);
// Scales so that the largest magnitude is peak.
void normalise(Buffer &b, float peak);
// A frequency moved to the nearest one that completes whole cycles in the loop.
float loop_hz(float hz, double loop_seconds);
// Rounds to 16-bit samples, clipping at full scale.
std::vector<int16_t> to_s16(const Buffer &b);

}  // namespace synth
