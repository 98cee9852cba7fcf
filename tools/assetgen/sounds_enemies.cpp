// sounds_enemies.cpp -- the enemy families' sounds: for each family (named after its
// model, "<model>_<kind>") a hit on a bone that takes damage ("_hit", the scripts'
// "hit_active_bone"), a hit on armour ("_ping", "hit_null_bone"), a brush with the
// fence ("_fence", "hit_fence"), a death ("_die", on "byebye") and a signature sound
// on one of its own animations. Each family's material (metal, chitin, goo, glass,
// energy), pitch and size shape its set, so every family sounds like itself; bosses
// ring in a room reverb.

#include "assetgen/sounds.h"

#include "assetgen/synth.h"

#include <algorithm>
#include <cmath>
#include <string>

using namespace synth;

namespace {

// Layers, each added into a buffer at a start time (seconds).

// A tone gliding exponentially from f0 to f1, percussive (attack 2 ms, decay time
// constant), optionally frequency-modulated at ratio x its pitch.
void tone(Buffer &b, double start, float f0, float f1, float glide, float seconds, float amp, float decay,
          Wave wave = Wave::Sine, float fm_ratio = 0, float fm_index = 0)
{
    long s0 = samples_of(start);
    int n = samples_of(seconds);
    Osc osc;
    double pm = 0;
    Biquad lp;
    lp.lowpass(std::min(9000.0f, std::max(f0, f1) * 6.0f), 0.7f);
    for (int i = 0; i < n; i++) {
        float t = (float)i / RATE;
        float f = f1 + (f0 - f1) * std::exp(-t / std::max(glide, 0.001f));
        float v;
        if (fm_ratio > 0) {
            float index = fm_index * std::exp(-t / (0.6f * decay + 0.001f));
            v = (float)std::sin(2.0 * PI * osc.phase + index * std::sin(2.0 * PI * pm));
            osc.phase += f / RATE;
            osc.phase -= std::floor(osc.phase);
            pm += f * fm_ratio / RATE;
            pm -= std::floor(pm);
        } else {
            v = osc.next(f, wave);
            if (wave != Wave::Sine) {
                v = lp.process(v);
            }
        }
        float tail = std::min(1.0f, (float)(n - i) / (0.004f * RATE));
        mix_at(b, s0 + i, amp * perc(t, 0.002f, decay) * tail * v);
    }
}

// Noise through a band-pass whose centre sweeps from f0 to f1 over the sound.
void hiss(Buffer &b, double start, float f0, float f1, float q, float seconds, float amp, float attack, float decay,
          uint32_t seed)
{
    long s0 = samples_of(start);
    int n = samples_of(seconds);
    Rng rng(seed);
    Biquad f;
    for (int i = 0; i < n; i++) {
        float t = (float)i / RATE;
        if (i % 16 == 0) {
            f.bandpass(f0 * std::pow(f1 / f0, t / seconds), q);
        }
        float tail = std::min(1.0f, (float)(n - i) / (0.004f * RATE));
        mix_at(b, s0 + i, amp * perc(t, attack, decay) * tail * f.process(rng.bipolar()));
    }
}

// Random clicks, density a second, rung through a band-pass at hz.
void crackle(Buffer &b, double start, float seconds, float density, float hz, float amp, uint32_t seed)
{
    long s0 = samples_of(start);
    int n = samples_of(seconds);
    Rng rng(seed);
    Biquad f;
    f.bandpass(hz, 2.0f);
    float p = density / RATE;
    for (int i = 0; i < n; i++) {
        float x = rng.uniform() < p ? rng.bipolar() * 4.0f : 0.0f;
        float fade = 1.0f - (float)i / (float)n;
        mix_at(b, s0 + i, amp * fade * f.process(x));
    }
}

// A held buzz: a wave at hz through a low-pass, its loudness wobbling at wobble_hz, with
// short fades at both ends.
void drone(Buffer &b, double start, float hz, float seconds, float amp, float cutoff, float wobble_hz, float depth,
           Wave wave)
{
    long s0 = samples_of(start);
    int n = samples_of(seconds);
    Osc osc;
    Biquad lp;
    lp.lowpass(cutoff, 1.2f);
    for (int i = 0; i < n; i++) {
        float t = (float)i / RATE;
        float wob = 1.0f - depth * 0.5f * (1.0f + (float)std::sin(2.0 * PI * wobble_hz * t));
        float edge = std::min({1.0f, t / 0.03f, (float)(n - i) / (0.06f * RATE)});
        mix_at(b, s0 + i, amp * wob * edge * lp.process(osc.next(hz * (1.0f + 0.01f * wob), wave)));
    }
}

enum class Material { Metal, Chitin, Goo, Glass, Energy };

struct Family {
    const char *name;    // the model's name, the sounds' prefix
    Material material;
    float pitch;         // Hz: the family's voice
    float size;          // 1 small .. 4 boss
    uint32_t seed;
};

void hit(Buffer &b, const Family &f)
{
    float p = f.pitch;
    switch (f.material) {
    case Material::Metal:
        tone(b, 0, p, p * 0.96f, 0.05f, 0.35f, 0.6f, 0.09f, Wave::Sine, 1.41f, 4.0f);
        tone(b, 0, p * 2.3f, p * 2.2f, 0.05f, 0.2f, 0.25f, 0.05f);
        hiss(b, 0, 3000, 1500, 1.2f, 0.08f, 0.6f, 0.001f, 0.02f, f.seed);
        tone(b, 0, 140, 60, 0.04f, 0.2f, 0.5f * f.size / 2, 0.06f);
        break;
    case Material::Chitin:
        crackle(b, 0, 0.07f, 900, 3500, 0.5f, f.seed);
        tone(b, 0, p * 1.6f, p * 0.6f, 0.04f, 0.16f, 0.5f, 0.05f, Wave::Saw);
        hiss(b, 0.005, 2200, 700, 2.0f, 0.12f, 0.5f, 0.002f, 0.04f, f.seed + 1);
        break;
    case Material::Goo:
        hiss(b, 0, 1400, 240, 3.0f, 0.3f, 0.9f, 0.004f, 0.09f, f.seed);
        tone(b, 0, p, p * 0.45f, 0.08f, 0.3f, 0.5f, 0.1f);
        tone(b, 0.06, p * 2.2f, p * 3.4f, 0.03f, 0.08f, 0.2f, 0.03f);
        break;
    case Material::Glass:
        tone(b, 0, p, p, 0.01f, 0.45f, 0.4f, 0.16f, Wave::Sine, 2.76f, 1.5f);
        tone(b, 0, p * 2.09f, p * 2.09f, 0.01f, 0.3f, 0.25f, 0.09f);
        tone(b, 0, p * 3.93f, p * 3.93f, 0.01f, 0.2f, 0.18f, 0.05f);
        hiss(b, 0, 7000, 6000, 1.0f, 0.03f, 0.4f, 0.001f, 0.008f, f.seed);
        break;
    case Material::Energy:
        tone(b, 0, p * 2.0f, p * 0.5f, 0.06f, 0.25f, 0.5f, 0.08f, Wave::Saw);
        hiss(b, 0, 4500, 1200, 1.5f, 0.15f, 0.5f, 0.002f, 0.04f, f.seed);
        tone(b, 0, p * 3.0f, p * 3.1f, 0.02f, 0.12f, 0.2f, 0.04f, Wave::Sine, 1.5f, 3.0f);
        break;
    }
}

// Armour: a bright ricochet from hard families, a dull thock from soft ones.
void ping(Buffer &b, const Family &f)
{
    float p = f.pitch;
    if (f.material == Material::Goo) {
        tone(b, 0, p * 1.3f, p * 0.8f, 0.03f, 0.14f, 0.7f, 0.04f, Wave::Sine, 1.5f, 1.5f);
        tone(b, 0, p * 3.1f, p * 2.2f, 0.03f, 0.08f, 0.25f, 0.02f);
        hiss(b, 0, 1600, 900, 2.5f, 0.06f, 0.5f, 0.001f, 0.015f, f.seed + 7);
        return;
    }
    float top = f.material == Material::Chitin ? p * 3.0f : p * 4.0f;
    tone(b, 0, top * 1.5f, top, 0.06f, 0.3f, 0.5f, 0.1f, Wave::Sine, 3.5f, 1.4f);
    tone(b, 0.01, top * 0.5f, top * 0.48f, 0.05f, 0.15f, 0.25f, 0.04f);
    hiss(b, 0, 8000, 5000, 1.0f, 0.03f, 0.5f, 0.001f, 0.006f, f.seed + 7);
}

// The fence: a crackling electric bite, pitched by the family.
void fence(Buffer &b, const Family &f)
{
    float mains = 70.0f + 0.12f * f.pitch;
    drone(b, 0, mains, 0.4f, 0.35f, 1800, 0, 0, Wave::Square);
    crackle(b, 0, 0.4f, 500, 2600, 0.7f, f.seed + 11);
    hiss(b, 0, 3000, 2000, 1.5f, 0.35f, 0.35f, 0.002f, 0.12f, f.seed + 12);
    tone(b, 0, f.pitch * 2.5f, f.pitch * 5.0f, 0.08f, 0.18f, 0.25f, 0.07f, Wave::Saw);
}

void die(Buffer &b, const Family &f)
{
    float p = f.pitch;
    float k = f.size;
    Rng rng(f.seed + 21);
    switch (f.material) {
    case Material::Metal:
        hiss(b, 0, 1800, 160, 0.8f, 0.4f * k, 0.9f, 0.003f, 0.12f * k, f.seed + 22);
        tone(b, 0, 130, 38, 0.08f * k, 0.35f * k, 0.8f, 0.12f * k);
        for (int i = 0; i < 3 + 2 * (int)k; i++) {
            float hz = p * rng.range(0.8f, 2.6f);
            tone(b, rng.range(0.04f, 0.3f * k), hz, hz * 0.95f, 0.05f, 0.25f, 0.22f, 0.05f, Wave::Sine, 1.41f, 3.0f);
        }
        crackle(b, 0.02, 0.3f * k, 400, 2000, 0.5f, f.seed + 23);
        break;
    case Material::Chitin:
        crackle(b, 0, 0.25f * k, 1500, 3000, 0.7f, f.seed + 22);
        tone(b, 0, p * 3.2f, p * 0.9f, 0.12f * k, 0.4f * k, 0.45f, 0.15f * k, Wave::Saw);
        hiss(b, 0.02, 1600, 300, 2.0f, 0.3f * k, 0.7f, 0.003f, 0.1f * k, f.seed + 23);
        break;
    case Material::Goo:
        hiss(b, 0, 900, 140, 2.0f, 0.45f * k, 1.0f, 0.004f, 0.14f * k, f.seed + 22);
        tone(b, 0, p * 0.8f, p * 0.3f, 0.1f * k, 0.4f * k, 0.6f, 0.15f * k);
        for (int i = 0; i < 4 + 2 * (int)k; i++) {
            float hz = p * rng.range(1.5f, 3.5f);
            tone(b, rng.range(0.05f, 0.4f * k), hz, hz * 1.8f, 0.02f, 0.07f, 0.25f, 0.025f);
        }
        break;
    case Material::Glass:
        for (int i = 0; i < 14 + 4 * (int)k; i++) {
            float hz = p * rng.range(0.9f, 3.5f);
            tone(b, rng.range(0.0f, 0.35f), hz, hz, 0.01f, 0.3f, rng.range(0.15f, 0.35f), rng.range(0.04f, 0.12f),
                 Wave::Sine, 2.76f, 1.0f);
        }
        hiss(b, 0, 7000, 3000, 1.0f, 0.25f, 0.5f, 0.001f, 0.06f, f.seed + 22);
        break;
    case Material::Energy:
        tone(b, 0, p * 0.5f, p * 4.0f, 0.15f * k, 0.3f * k, 0.5f, 0.2f * k, Wave::Saw);
        hiss(b, 0.2 * k, 2000, 150, 0.8f, 0.4f * k, 0.9f, 0.003f, 0.12f * k, f.seed + 22);
        tone(b, 0.2 * k, 90, 35, 0.1f, 0.4f * k, 0.7f, 0.14f * k);
        break;
    }
    if (k >= 2.5f) {
        add_reverb(b, 0.35f, 0.85f, 0.4f, 1.2f);
    }
}

// Signature sounds.

void sig_buzz(Buffer &b, float hz, uint32_t)
{
    drone(b, 0, hz, 0.55f, 0.6f, 2400, 9.0f, 0.5f, Wave::Saw);
    drone(b, 0, hz * 1.01f, 0.55f, 0.3f, 3200, 13.0f, 0.6f, Wave::Square);
}

void sig_servo(Buffer &b, float hz, uint32_t seed)
{
    tone(b, 0, hz, hz * 1.6f, 0.12f, 0.35f, 0.5f, 0.25f, Wave::Saw);
    tone(b, 0.3, hz * 2.0f, hz * 2.0f, 0.01f, 0.06f, 0.4f, 0.02f, Wave::Sine, 1.41f, 3.0f);
    hiss(b, 0.3, 3000, 2000, 2.0f, 0.05f, 0.3f, 0.001f, 0.01f, seed);
}

void sig_swish(Buffer &b, float, uint32_t seed)
{
    hiss(b, 0, 700, 5000, 2.5f, 0.25f, 0.9f, 0.08f, 0.12f, seed);
    hiss(b, 0.12, 900, 6000, 2.5f, 0.2f, 0.6f, 0.05f, 0.08f, seed + 1);
    tone(b, 0.22, 2400, 2600, 0.02f, 0.25f, 0.2f, 0.12f, Wave::Sine, 3.5f, 1.0f);
}

void sig_chirp(Buffer &b, float hz, uint32_t)
{
    for (int i = 0; i < 3; i++) {
        tone(b, 0.07 * i, hz, hz * 1.7f, 0.02f, 0.06f, 0.6f, 0.03f);
    }
}

void sig_whirr(Buffer &b, float hz, uint32_t)
{
    drone(b, 0, hz, 0.9f, 0.6f, 1400, 22.0f, 0.6f, Wave::Saw);
    drone(b, 0, hz * 2.01f, 0.9f, 0.2f, 2400, 22.0f, 0.8f, Wave::Triangle);
}

void sig_howl(Buffer &b, float hz, uint32_t seed)
{
    tone(b, 0, hz, hz * 0.7f, 0.6f, 1.4f, 0.4f, 0.7f, Wave::Triangle);
    tone(b, 0.05, hz * 1.5f, hz * 1.02f, 0.6f, 1.3f, 0.25f, 0.6f);
    hiss(b, 0, 500, 1400, 3.0f, 1.3f, 0.5f, 0.3f, 0.5f, seed);
    add_reverb(b, 0.4f, 0.9f, 0.3f, 1.0f);
}

void sig_flutter(Buffer &b, float hz, uint32_t seed)
{
    for (int i = 0; i < 6; i++) {
        hiss(b, 0.08 * i, hz * 2.0f, hz * 1.2f, 1.5f, 0.07f, 0.6f, 0.01f, 0.025f, seed + (uint32_t)i);
    }
}

void sig_squeak(Buffer &b, float hz, uint32_t)
{
    tone(b, 0, hz, hz * 1.35f, 0.05f, 0.14f, 0.35f, 0.08f, Wave::Triangle);
}

void sig_rumble(Buffer &b, float hz, uint32_t seed)
{
    drone(b, 0, hz, 0.7f, 0.7f, 260, 6.0f, 0.5f, Wave::Square);
    crackle(b, 0, 0.7f, 60, 500, 0.4f, seed);
}

void sig_glint(Buffer &b, float hz, uint32_t)
{
    tone(b, 0, hz, hz, 0.01f, 0.6f, 0.4f, 0.25f, Wave::Sine, 2.0f, 1.2f);
    tone(b, 0.07, hz * 1.5f, hz * 1.5f, 0.01f, 0.5f, 0.3f, 0.2f, Wave::Sine, 2.0f, 0.8f);
    tone(b, 0.14, hz * 2.0f, hz * 2.0f, 0.01f, 0.4f, 0.2f, 0.15f);
}

void sig_gloop(Buffer &b, float hz, uint32_t)
{
    tone(b, 0, hz, hz * 3.0f, 0.04f, 0.12f, 0.7f, 0.05f, Wave::Triangle);
    tone(b, 0.14, hz * 1.3f, hz * 3.5f, 0.04f, 0.1f, 0.5f, 0.04f, Wave::Triangle);
}

void sig_skitter(Buffer &b, float hz, uint32_t seed)
{
    for (int i = 0; i < 8; i++) {
        crackle(b, 0.05 * i, 0.02f, 3000, hz, 0.7f, seed + (uint32_t)i);
    }
}

void sig_wobble(Buffer &b, float hz, uint32_t)
{
    drone(b, 0, hz, 0.8f, 0.6f, 700, 5.0f, 0.8f, Wave::Triangle);
    tone(b, 0.3, hz * 2.0f, hz * 5.0f, 0.05f, 0.12f, 0.5f, 0.05f, Wave::Triangle);
}

void sig_drop(Buffer &b, float hz, uint32_t seed)
{
    tone(b, 0, hz, hz * 0.95f, 0.05f, 0.3f, 0.5f, 0.08f, Wave::Sine, 1.41f, 3.0f);
    tone(b, 0.01, 110, 45, 0.04f, 0.25f, 0.7f, 0.08f);
    hiss(b, 0, 2500, 1200, 1.5f, 0.05f, 0.4f, 0.001f, 0.015f, seed);
}

void sig_beep(Buffer &b, float hz, uint32_t)
{
    tone(b, 0, hz, hz, 0.01f, 0.07f, 0.35f, 0.1f, Wave::Square);
    tone(b, 0.12, hz, hz, 0.01f, 0.07f, 0.35f, 0.1f, Wave::Square);
}

void sig_hiss(Buffer &b, float hz, uint32_t seed)
{
    long n = samples_of(0.6);
    Buffer h(n, 0.0f);
    hiss(h, 0, hz, hz * 1.4f, 1.2f, 0.6f, 0.8f, 0.08f, 0.3f, seed);
    for (long i = 0; i < n; i++) {
        float t = (float)i / RATE;
        mix_at(b, i, h[(size_t)i] * (0.55f + 0.45f * (float)std::sin(2.0 * PI * 7.0 * t)));
    }
}

void sig_screech(Buffer &b, float hz, uint32_t seed)
{
    tone(b, 0, hz * 1.4f, hz, 0.3f, 0.9f, 0.45f, 0.4f, Wave::Saw);
    tone(b, 0, hz * 2.1f, hz * 1.5f, 0.3f, 0.9f, 0.25f, 0.35f, Wave::Sine, 1.01f, 2.0f);
    hiss(b, 0, 2500, 1200, 2.0f, 0.8f, 0.35f, 0.05f, 0.3f, seed);
    add_reverb(b, 0.35f, 0.85f, 0.4f, 1.0f);
}

void sig_hatch(Buffer &b, float hz, uint32_t seed)
{
    hiss(b, 0, 300, 700, 4.0f, 0.6f, 0.8f, 0.05f, 0.25f, seed);
    Rng rng(seed);
    for (int i = 0; i < 6; i++) {
        float f = hz * rng.range(1.0f, 2.5f);
        tone(b, rng.range(0.05f, 0.5f), f, f * 2.2f, 0.03f, 0.09f, 0.35f, 0.03f, Wave::Triangle);
    }
    tone(b, 0.45, hz * 0.6f, hz * 0.3f, 0.1f, 0.3f, 0.6f, 0.1f, Wave::Sine, 1.5f, 2.0f);
}

void sig_stomp(Buffer &b, float hz, uint32_t seed)
{
    for (int step = 0; step < 2; step++) {
        double t = 0.55 * step + 0.25;
        tone(b, t, 90, 32, 0.05f, 0.35f, 0.9f, 0.12f);
        tone(b, t, hz, hz * 0.97f, 0.05f, 0.3f, 0.35f, 0.07f, Wave::Sine, 1.41f, 3.0f);
        hiss(b, t, 900, 200, 1.0f, 0.2f, 0.4f, 0.002f, 0.05f, seed + (uint32_t)step);
        tone(b, t - 0.2, hz * 0.5f, hz * 0.8f, 0.1f, 0.2f, 0.15f, 0.1f, Wave::Saw);
    }
    add_reverb(b, 0.3f, 0.8f, 0.4f, 0.8f);
}

void sig_grow(Buffer &b, float hz, uint32_t seed)
{
    drone(b, 0, hz, 1.0f, 0.5f, 600, 4.0f, 0.7f, Wave::Triangle);
    tone(b, 0, hz, hz * 2.5f, 0.6f, 1.0f, 0.3f, 0.6f);
    Rng rng(seed);
    for (int i = 0; i < 5; i++) {
        float f = hz * rng.range(2.0f, 4.0f);
        tone(b, 0.15 + 0.17 * i, f, f * 1.8f, 0.02f, 0.08f, 0.3f, 0.03f);
    }
}

void sig_fanfare(Buffer &b, float hz, uint32_t)
{
    const float first[3] = {1.0f, 1.26f, 1.5f};
    const float second[3] = {1.335f, 1.68f, 2.0f};
    for (int k = 0; k < 3; k++) {
        tone(b, 0, hz * first[k], hz * first[k], 0.01f, 0.28f, 0.3f, 0.5f, Wave::Saw);
        tone(b, 0.3, hz * second[k], hz * second[k], 0.01f, 0.9f, 0.3f, 0.6f, Wave::Saw);
        tone(b, 0.3, hz * second[k] * 2.0f, hz * second[k] * 2.0f, 0.01f, 0.9f, 0.08f, 0.5f, Wave::Square);
    }
    add_reverb(b, 0.35f, 0.8f, 0.3f, 1.0f);
}

void sig_squelch(Buffer &b, float hz, uint32_t seed)
{
    hiss(b, 0, 600, 250, 3.0f, 0.4f, 0.8f, 0.03f, 0.15f, seed);
    tone(b, 0.05, hz, hz * 0.5f, 0.1f, 0.3f, 0.5f, 0.12f);
}

struct Signature {
    const char *kind;
    void (*make)(Buffer &b, float hz, uint32_t seed);
    float hz;
};

struct Entry {
    Family family;
    Signature signature[2];
};

const Entry ENTRIES[] = {
    {{"robot_green", Material::Metal, 420, 1.5f, 101}, {{"step", sig_drop, 260}, {}}},
    {{"robot_yellow", Material::Metal, 560, 1.5f, 111}, {{"aim", sig_servo, 320}, {}}},
    {{"ninjoo_1", Material::Energy, 380, 1.5f, 121}, {{"swish", sig_swish, 0}, {}}},
    {{"trackfly_1", Material::Chitin, 330, 1, 131}, {{"buzz", sig_buzz, 150}, {}}},
    {{"trackfly_2", Material::Chitin, 420, 1, 141}, {{"buzz", sig_buzz, 230}, {}}},
    {{"pathfly_tiny", Material::Chitin, 700, 0.7f, 151}, {{"chirp", sig_chirp, 2400}, {}}},
    {{"spinner_1", Material::Metal, 760, 1, 161}, {{"whirr", sig_whirr, 140}, {}}},
    {{"end_chaser", Material::Energy, 160, 2, 171}, {{"howl", sig_howl, 110}, {}}},
    {{"motha_2_spawn", Material::Chitin, 520, 0.8f, 181}, {{"flutter", sig_flutter, 700}, {}}},
    {{"weelee_small", Material::Metal, 640, 1.2f, 191}, {{"squeak", sig_squeak, 1700}, {}}},
    {{"weelee_big", Material::Metal, 380, 2, 201}, {{"rumble", sig_rumble, 48}, {}}},
    {{"crystal", Material::Glass, 1250, 1.5f, 211}, {{"glint", sig_glint, 2600}, {}}},
    {{"weblob_tiny2", Material::Goo, 330, 1, 221}, {{"gloop", sig_gloop, 240}, {}}},
    {{"beemspider_1", Material::Chitin, 260, 1.8f, 231}, {{"skitter", sig_skitter, 2600}, {}}},
    {{"mergeblob_1", Material::Goo, 180, 1.8f, 241}, {{"wobble", sig_wobble, 80}, {}}},
    {{"trailer_1", Material::Metal, 300, 1.8f, 251}, {{"drop", sig_drop, 340}, {}}},
    {{"trailer_trash", Material::Metal, 900, 1, 261}, {{"beep", sig_beep, 1500}, {}}},
    {{"worm_chain_split", Material::Chitin, 240, 2, 271}, {{"hiss", sig_hiss, 2800}, {}}},
    {{"motha_2", Material::Chitin, 200, 3.5f, 281}, {{"screech", sig_screech, 620}, {"hatch", sig_hatch, 260}}},
    {{"robo_mom", Material::Metal, 190, 4, 291}, {{"stomp", sig_stomp, 150}, {"hatch", sig_hatch, 180}}},
    {{"geopus", Material::Goo, 110, 4, 301}, {{"grow", sig_grow, 140}, {"squelch", sig_squelch, 120}}},
    {{"powerpimp", Material::Energy, 220, 3.5f, 311}, {{"fanfare", sig_fanfare, 262}, {}}},
};

const char *const EVENT_KINDS[] = {"hit", "ping", "fence", "die"};

std::vector<int16_t> finish(Buffer &b, float peak)
{
    fade_edges(b, 0.001f, 0.01f);
    normalise(b, peak);
    return to_s16(b);
}

}  // namespace

std::vector<std::string> enemy_sound_names()
{
    std::vector<std::string> names;
    for (const Entry &e : ENTRIES) {
        for (const char *kind : EVENT_KINDS) {
            names.push_back(std::string(e.family.name) + "_" + kind);
        }
        for (const Signature &s : e.signature) {
            if (s.kind) {
                names.push_back(std::string(e.family.name) + "_" + s.kind);
            }
        }
    }
    return names;
}

std::vector<int16_t> enemy_sound_samples(const std::string &name)
{
    for (const Entry &e : ENTRIES) {
        std::string prefix = std::string(e.family.name) + "_";
        if (name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        std::string kind = name.substr(prefix.size());
        Buffer b(samples_of(0.05), 0.0f);
        auto room = [&](double seconds) { b.resize(std::max(b.size(), (size_t)samples_of(seconds)), 0.0f); };
        const Family &f = e.family;
        if (kind == "hit") {
            room(0.4);
            hit(b, f);
            return finish(b, 0.75f);
        }
        if (kind == "ping") {
            room(0.35);
            ping(b, f);
            return finish(b, 0.6f);
        }
        if (kind == "fence") {
            room(0.45);
            fence(b, f);
            return finish(b, 0.7f);
        }
        if (kind == "die") {
            room(0.55 * f.size + 0.3);
            die(b, f);
            return finish(b, std::min(0.85f, 0.7f + 0.04f * f.size));
        }
        for (const Signature &s : e.signature) {
            if (s.kind && kind == s.kind) {
                room(1.5);
                s.make(b, s.hz, f.seed + 40);
                return finish(b, 0.6f);
            }
        }
    }
    return {};
}
