// sounds_explosions.cpp -- the explosions' sounds, layered from a pitched thump, filtered
// noise that darkens as it dies, crackling debris, sweeps and a room reverb. Bigger blasts
// have lower, longer thumps and more body; the smart bomb drives its layers into a soft
// clip so that it is denser as well as louder than anything else.

#include "assetgen/sounds_explosions.h"

#include "assetgen/synth.h"

#include <algorithm>
#include <cmath>

using namespace synth;

namespace {

Buffer buffer_of(double seconds)
{
    return Buffer((size_t)samples_of(seconds), 0.0f);
}

// A thump: a sine dropping from three times its pitch to low_hz, soft-clipped.
void thump(Buffer &b, double start, float low_hz, float decay, float amp)
{
    long s0 = samples_of(start);
    int n = samples_of(decay * 7.0f);
    double phase = 0.0;
    for (int i = 0; i < n; i++) {
        float t = (float)i / RATE;
        float hz = low_hz + 2.0f * low_hz * std::exp(-t / 0.045f);
        float v = std::tanh(2.2f * (float)std::sin(2.0 * PI * phase));
        mix_at(b, s0 + i, amp * perc(t, 0.002f, decay) * v);
        phase += hz / RATE;
    }
}

// Noise through a low-pass whose cut-off glides from hz_from down to hz_to.
void roar(Buffer &b, double start, float seconds, float hz_from, float hz_to, float decay, float amp, uint32_t seed,
          bool pink)
{
    long s0 = samples_of(start);
    int n = samples_of(seconds);
    Rng rng(seed);
    PinkNoise pn;
    Biquad lp;
    for (int i = 0; i < n; i++) {
        float t = (float)i / RATE;
        if (i % 32 == 0) {
            float k = std::min(1.0f, t / seconds);
            lp.lowpass(hz_from * std::pow(hz_to / hz_from, k), 0.8f);
        }
        float x = pink ? pn.next(rng) * 3.0f : rng.bipolar();
        float tail = std::min(1.0f, (float)(n - i) / (0.02f * RATE));
        mix_at(b, s0 + i, amp * perc(t, 0.003f, decay) * tail * lp.process(x));
    }
}

// Debris: short bright clicks scattered over the given time, thinning out.
void crackle(Buffer &b, double start, float seconds, int count, float amp, uint32_t seed)
{
    Rng rng(seed);
    for (int c = 0; c < count; c++) {
        float u = rng.uniform();
        double at = start + seconds * u * u;
        long s0 = samples_of(at);
        int n = samples_of(0.004 + 0.01 * rng.uniform());
        Biquad bp;
        bp.bandpass(1500.0f + 4000.0f * rng.uniform(), 1.5f);
        float a = amp * (1.0f - 0.7f * u) * (0.4f + 0.6f * rng.uniform());
        for (int i = 0; i < n + samples_of(0.01); i++) {
            float x = i < n ? rng.bipolar() : 0.0f;
            mix_at(b, s0 + i, a * bp.process(x));
        }
    }
}

// A whoosh: band-passed noise sweeping from one centre to another, swelling and fading.
void whoosh(Buffer &b, double start, float seconds, float hz_from, float hz_to, float amp, uint32_t seed)
{
    long s0 = samples_of(start);
    int n = samples_of(seconds);
    Rng rng(seed);
    Biquad bp;
    for (int i = 0; i < n; i++) {
        float k = (float)i / (float)n;
        if (i % 32 == 0) {
            bp.bandpass(hz_from * std::pow(hz_to / hz_from, k), 1.2f);
        }
        float env = std::sin((float)PI * k);
        mix_at(b, s0 + i, amp * env * env * bp.process(rng.bipolar()) * 2.5f);
    }
}

// A tone gliding from one pitch to another (exponentially), with vibrato and an envelope
// of attack and release.
void glide_tone(Buffer &b, double start, float seconds, float hz_from, float hz_to, float amp, Wave wave,
                float vibrato_hz = 0.0f, float vibrato = 0.0f)
{
    long s0 = samples_of(start);
    int n = samples_of(seconds);
    Osc osc;
    Biquad lp;
    lp.lowpass(3500.0f, 0.7f);
    for (int i = 0; i < n; i++) {
        float k = (float)i / (float)n;
        float t = (float)i / RATE;
        float hz = hz_from * std::pow(hz_to / hz_from, k) * (1.0f + vibrato * std::sin(2.0f * (float)PI * vibrato_hz * t));
        float env = std::min(1.0f, t / 0.02f) * std::min(1.0f, (float)(n - i) / (0.15f * RATE));
        mix_at(b, s0 + i, amp * env * lp.process(osc.next(hz, wave)));
    }
}

// A glassy ping: a sine with a fast decay.
void ping(Buffer &b, double start, float hz, float decay, float amp)
{
    long s0 = samples_of(start);
    int n = samples_of(decay * 6.0f);
    for (int i = 0; i < n; i++) {
        float t = (float)i / RATE;
        mix_at(b, s0 + i, amp * perc(t, 0.001f, decay) * (float)std::sin(2.0 * PI * hz * t));
    }
}

std::vector<int16_t> finish(Buffer &b, float peak)
{
    fade_edges(b, 0.001f, 0.03f);
    normalise(b, peak);
    return to_s16(b);
}

}  // namespace

std::vector<int16_t> make_exp_small()
{
    Buffer b = buffer_of(0.5);
    thump(b, 0.0, 110.0f, 0.07f, 0.8f);
    roar(b, 0.0, 0.45f, 4500.0f, 500.0f, 0.1f, 0.9f, 0x5101, false);
    crackle(b, 0.03, 0.25f, 10, 0.35f, 0x5102);
    return finish(b, 0.6f);
}

std::vector<int16_t> make_exp_medium()
{
    Buffer b = buffer_of(0.9);
    thump(b, 0.0, 72.0f, 0.14f, 0.9f);
    roar(b, 0.0, 0.8f, 3000.0f, 260.0f, 0.22f, 1.0f, 0x5201, true);
    crackle(b, 0.05, 0.45f, 22, 0.3f, 0x5202);
    add_reverb(b, 0.18f, 0.6f, 0.4f, 0.3f);
    return finish(b, 0.72f);
}

std::vector<int16_t> make_exp_large()
{
    Buffer b = buffer_of(1.6);
    thump(b, 0.0, 52.0f, 0.28f, 1.0f);
    thump(b, 0.16, 44.0f, 0.3f, 0.7f);
    roar(b, 0.0, 1.5f, 2200.0f, 150.0f, 0.45f, 1.1f, 0x5301, true);
    roar(b, 0.05, 1.4f, 240.0f, 90.0f, 0.7f, 0.9f, 0x5302, true);
    crackle(b, 0.08, 1.0f, 40, 0.28f, 0x5303);
    add_reverb(b, 0.25f, 0.75f, 0.45f, 0.5f);
    return finish(b, 0.85f);
}

std::vector<int16_t> make_exp_ship()
{
    Buffer b = buffer_of(1.6);
    thump(b, 0.0, 62.0f, 0.22f, 1.0f);
    roar(b, 0.0, 1.2f, 5000.0f, 300.0f, 0.3f, 0.9f, 0x5401, true);
    // The ship's engine winds down: a falling buzz under the blast.
    glide_tone(b, 0.02, 1.3f, 700.0f, 70.0f, 0.35f, Wave::Saw, 7.0f, 0.02f);
    crackle(b, 0.05, 0.8f, 30, 0.3f, 0x5402);
    add_reverb(b, 0.3f, 0.8f, 0.4f, 0.5f);
    return finish(b, 0.85f);
}

std::vector<int16_t> make_exp_emerge()
{
    Buffer b = buffer_of(0.7);
    whoosh(b, 0.0, 0.6f, 250.0f, 3200.0f, 0.8f, 0x5501);
    glide_tone(b, 0.05, 0.5f, 180.0f, 720.0f, 0.25f, Wave::Triangle);
    add_reverb(b, 0.25f, 0.5f, 0.5f, 0.25f);
    return finish(b, 0.5f);
}

std::vector<int16_t> make_exp_submerge()
{
    Buffer b = buffer_of(0.65);
    whoosh(b, 0.0, 0.5f, 2600.0f, 220.0f, 0.8f, 0x5601);
    glide_tone(b, 0.0, 0.45f, 560.0f, 110.0f, 0.25f, Wave::Triangle);
    thump(b, 0.42, 90.0f, 0.05f, 0.4f);
    return finish(b, 0.45f);
}

std::vector<int16_t> make_exp_mutate()
{
    Buffer b = buffer_of(0.65);
    glide_tone(b, 0.0, 0.55f, 260.0f, 820.0f, 0.5f, Wave::Square, 13.0f, 0.08f);
    glide_tone(b, 0.0, 0.55f, 390.0f, 610.0f, 0.3f, Wave::Saw, 9.0f, 0.06f);
    whoosh(b, 0.0, 0.4f, 800.0f, 2400.0f, 0.4f, 0x5701);
    add_reverb(b, 0.2f, 0.5f, 0.5f, 0.2f);
    return finish(b, 0.55f);
}

std::vector<int16_t> make_exp_shield()
{
    Buffer b = buffer_of(0.7);
    // Glass: inharmonic pings over a hiss, with a soft pop underneath.
    const float partials[5] = {2310.0f, 3170.0f, 4730.0f, 5930.0f, 7410.0f};
    for (int i = 0; i < 5; i++) {
        ping(b, 0.004 * i, partials[i], 0.05f + 0.02f * (float)(4 - i), 0.35f);
    }
    Rng rng(0x5801);
    Biquad hp;
    hp.highpass(3000.0f, 0.7f);
    int n = samples_of(0.3);
    for (int i = 0; i < n; i++) {
        float t = (float)i / RATE;
        mix_at(b, i, 0.5f * perc(t, 0.001f, 0.06f) * hp.process(rng.bipolar()));
    }
    thump(b, 0.0, 160.0f, 0.04f, 0.5f);
    crackle(b, 0.02, 0.25f, 12, 0.25f, 0x5802);
    add_reverb(b, 0.25f, 0.6f, 0.3f, 0.25f);
    return finish(b, 0.65f);
}

std::vector<int16_t> make_exp_bomb()
{
    Buffer b = buffer_of(3.0);
    thump(b, 0.0, 34.0f, 0.6f, 1.2f);
    thump(b, 0.0, 68.0f, 0.2f, 0.8f);
    roar(b, 0.0, 2.8f, 6000.0f, 120.0f, 0.8f, 1.4f, 0x5901, true);
    roar(b, 0.0, 2.9f, 300.0f, 60.0f, 1.2f, 1.2f, 0x5902, true);
    whoosh(b, 0.0, 1.2f, 4000.0f, 300.0f, 0.6f, 0x5903);
    crackle(b, 0.1, 1.8f, 70, 0.35f, 0x5904);
    add_reverb(b, 0.3f, 0.85f, 0.35f, 0.8f);
    // Driven into a soft clip: dense as well as loud.
    normalise(b, 1.0f);
    for (float &x : b) {
        x = std::tanh(2.4f * x);
    }
    return finish(b, 0.94f);
}
