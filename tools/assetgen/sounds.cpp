// sounds.cpp -- the game's sounds: the interface and event sounds and the four ambient
// loops, each built from layered oscillators, noise, envelopes, filters and pitch
// sweeps, with a room reverb where a sound should ring.

#include "assetgen/sounds.h"

#include "assetgen/formats.h"
#include "assetgen/sounds_explosions.h"
#include "assetgen/sounds_ships.h"
#include "assetgen/synth.h"

#include <algorithm>
#include <cmath>

using namespace synth;

namespace {

// Exponential glide from one value to another with the given time constant.
float glide(float t, float from, float to, float time)
{
    return to + (from - to) * std::exp(-t / time);
}

// An FM tone: a sine carrier whose phase is bent by a sine modulator at ratio x the
// pitch; the modulation index falls away faster than the tone, so it starts bright
// and settles into a pure ring (bells, pings, chimes).
struct FmSpec {
    float ratio = 2.0f;
    float index = 2.0f;
    float index_decay = 0.1f;
    float attack = 0.002f;
    float decay = 0.3f;
    float pitch_from = 0.0f;   // start pitch as a factor (0 = no sweep)
    float pitch_time = 0.05f;
};

void fm_tone(Buffer &b, double start, float hz, float seconds, float amp, const FmSpec &s)
{
    long s0 = samples_of(start);
    int n = samples_of(seconds);
    double pc = 0.0;
    double pm = 0.0;
    for (int i = 0; i < n; i++) {
        float t = (float)i / RATE;
        float f = s.pitch_from > 0.0f ? hz * glide(t, s.pitch_from, 1.0f, s.pitch_time) : hz;
        float index = s.index * std::exp(-t / s.index_decay);
        float m = (float)std::sin(2.0 * PI * pm);
        float v = (float)std::sin(2.0 * PI * pc + index * m);
        // The last 5 ms fade out so a cut tone does not click.
        float tail = std::min(1.0f, (float)(n - i) / (0.005f * RATE));
        mix_at(b, s0 + i, amp * perc(t, s.attack, s.decay) * tail * v);
        pc += f / RATE;
        pm += f * s.ratio / RATE;
        pc -= std::floor(pc);
        pm -= std::floor(pm);
    }
}

// A subtractive voice: detuned oscillators through a resonant low-pass whose cut-off
// follows its own envelope, shaped by an ADSR.
struct VoiceSpec {
    Wave wave = Wave::Saw;
    int unison = 2;
    float detune_cents = 7.0f;
    float sub = 0.0f;              // a sine an octave below, at this level
    float cutoff_from = 4000.0f;
    float cutoff_to = 1200.0f;
    float cutoff_time = 0.2f;
    float q = 0.9f;
    float attack = 0.005f;
    float decay = 0.2f;
    float sustain = 0.6f;
    float release = 0.15f;
    float glide_from = 0.0f;       // start pitch as a factor (0 = none)
    float glide_time = 0.05f;
    float vibrato_hz = 0.0f;
    float vibrato_depth = 0.0f;    // as a pitch factor
    float vibrato_delay = 0.0f;
};

void voice_note(Buffer &b, double start, float hz, float hold, float amp, const VoiceSpec &s)
{
    long s0 = samples_of(start);
    int n = samples_of(hold + s.release);
    Osc osc[4];
    for (int u = 0; u < 4; u++) {
        osc[u].phase = 0.13 * u;
    }
    Osc sub;
    Biquad lp;
    int unison = std::clamp(s.unison, 1, 4);
    for (int i = 0; i < n; i++) {
        float t = (float)i / RATE;
        if (i % 16 == 0) {
            lp.lowpass(glide(t, s.cutoff_from, s.cutoff_to, s.cutoff_time), s.q);
        }
        float f = hz;
        if (s.glide_from > 0.0f) {
            f *= glide(t, s.glide_from, 1.0f, s.glide_time);
        }
        if (s.vibrato_hz > 0.0f && t > s.vibrato_delay) {
            float depth = s.vibrato_depth * std::min(1.0f, (t - s.vibrato_delay) / 0.3f);
            f *= 1.0f + depth * (float)std::sin(2.0 * PI * s.vibrato_hz * (t - s.vibrato_delay));
        }
        float v = 0.0f;
        for (int u = 0; u < unison; u++) {
            float spread = unison == 1 ? 0.0f : ((float)u / (unison - 1) - 0.5f) * 2.0f;
            float cents = spread * s.detune_cents;
            v += osc[u].next(f * std::pow(2.0f, cents / 1200.0f), s.wave);
        }
        v /= (float)unison;
        if (s.sub > 0.0f) {
            v += s.sub * sub.next(f * 0.5f, Wave::Sine);
        }
        float env = adsr(t, s.attack, s.decay, s.sustain, hold, s.release);
        mix_at(b, s0 + i, amp * env * lp.process(v));
    }
}

// Band-passed noise whose centre sweeps exponentially from one frequency to another.
struct NoiseSpec {
    float from_hz = 500.0f;
    float to_hz = 4000.0f;
    float q = 1.0f;
    float attack = 0.005f;
    float decay = 0.2f;
    float sustain = 0.0f;
    float release = 0.05f;
    bool pink = false;
    bool highpass = false;
    uint32_t seed = 1;
};

void noise_sweep(Buffer &b, double start, float hold, float amp, const NoiseSpec &s)
{
    long s0 = samples_of(start);
    int n = samples_of(hold + s.release);
    Rng rng(s.seed);
    PinkNoise pink;
    Biquad f;
    for (int i = 0; i < n; i++) {
        float t = (float)i / RATE;
        if (i % 16 == 0) {
            float k = std::min(1.0f, t / std::max(hold, 0.001f));
            float hz = s.from_hz * std::pow(s.to_hz / s.from_hz, k);
            if (s.highpass) {
                f.highpass(hz, s.q);
            } else {
                f.bandpass(hz, s.q);
            }
        }
        float x = s.pink ? pink.next(rng) * 3.0f : rng.bipolar();
        float env = adsr(t, s.attack, s.decay, s.sustain, hold, s.release);
        mix_at(b, s0 + i, amp * env * f.process(x));
    }
}

// A soft kick: a sine that drops from a knock to a low thump, with a short click.
void kick(Buffer &b, double start, float amp, float low_hz, float decay)
{
    long s0 = samples_of(start);
    int n = samples_of(decay * 6.0f);
    double phase = 0.0;
    for (int i = 0; i < n; i++) {
        float t = (float)i / RATE;
        float f = glide(t, low_hz * 3.2f, low_hz, 0.03f);
        float v = (float)std::sin(2.0 * PI * phase);
        float click = i < 40 ? (1.0f - (float)i / 40.0f) * 0.3f : 0.0f;
        mix_at(b, s0 + i, amp * (perc(t, 0.001f, decay) * std::tanh(1.6f * v) + click));
        phase += f / RATE;
    }
}

// A plucked string (Karplus-Strong), tuned with an all-pass for the fractional delay.
void pluck(Buffer &b, double start, float hz, float seconds, float amp, float brightness, uint32_t seed)
{
    long s0 = samples_of(start);
    int n = samples_of(seconds);
    float period = (float)RATE / hz - 0.5f;
    int len = std::max(2, (int)std::floor(period - 0.1f));
    float frac = period - (float)len;
    float c = (1.0f - frac) / (1.0f + frac);
    std::vector<float> line((size_t)len);
    Rng rng(seed);
    Biquad tone;
    tone.lowpass(300.0f + brightness * 6000.0f, 0.7f);
    for (float &x : line) {
        x = tone.process(rng.bipolar());
    }
    size_t idx = 0;
    float prev = 0.0f;
    float ap_x1 = 0.0f;
    float ap_y1 = 0.0f;
    for (int i = 0; i < n; i++) {
        float cur = line[idx];
        float avg = 0.4985f * (cur + prev);
        prev = cur;
        float ap = c * avg + ap_x1 - c * ap_y1;
        ap_x1 = avg;
        ap_y1 = ap;
        line[idx] = ap;
        idx = (idx + 1) % line.size();
        float tail = std::min(1.0f, (float)(n - i) / (0.01f * RATE));
        mix_at(b, s0 + i, amp * cur * tail);
    }
}

// A slow pad note: detuned saws under a gentle low-pass that breathes.
void pad_note(Buffer &b, double start, float hz, float hold, float amp, float cutoff, float attack, float release)
{
    long s0 = samples_of(start);
    int n = samples_of(hold + release);
    Osc a, c, sub;
    a.phase = 0.31;
    c.phase = 0.72;
    Biquad lp;
    float up = std::pow(2.0f, 6.0f / 1200.0f);
    float down = 1.0f / up;
    for (int i = 0; i < n; i++) {
        float t = (float)i / RATE;
        if (i % 32 == 0) {
            lp.lowpass(cutoff * (1.0f + 0.35f * (float)std::sin(2.0 * PI * 0.11 * t)), 0.8f);
        }
        float v = 0.5f * (a.next(hz * up, Wave::Saw) + c.next(hz * down, Wave::Saw));
        v += 0.35f * sub.next(hz * 0.5f, Wave::Sine);
        float env = adsr(t, attack, 1.0f, 0.8f, hold, release);
        mix_at(b, s0 + i, amp * env * lp.process(v));
    }
}

void hat(Buffer &b, double start, float amp, uint32_t seed)
{
    NoiseSpec s;
    s.from_hz = s.to_hz = 7000.0f;
    s.highpass = true;
    s.q = 0.7f;
    s.attack = 0.001f;
    s.decay = 0.03f;
    s.release = 0.03f;
    s.seed = seed;
    noise_sweep(b, start, 0.03f, amp, s);
}

// Finishing of a one-shot sound: soft edges, a level, 16 bits.
std::vector<int16_t> finish_one_shot(Buffer &b, float peak)
{
    fade_edges(b, 0.001f, 0.02f);
    normalise(b, peak);
    return to_s16(b);
}

// ---- interface sounds ----

std::vector<int16_t> make_menu_select()
{
    Buffer b((size_t)samples_of(0.45));
    FmSpec chime;
    chime.ratio = 2.0f;
    chime.index = 2.5f;
    chime.index_decay = 0.06f;
    chime.decay = 0.12f;
    fm_tone(b, 0.0, note_hz(81), 0.3f, 0.5f, chime);     // A5
    chime.decay = 0.2f;
    chime.index = 2.0f;
    fm_tone(b, 0.06, note_hz(88), 0.35f, 0.6f, chime);   // E6
    FmSpec body;
    body.ratio = 1.0f;
    body.index = 0.8f;
    body.decay = 0.05f;
    fm_tone(b, 0.0, note_hz(69), 0.15f, 0.3f, body);     // A4 under it
    add_reverb(b, 0.25f, 0.7f, 0.3f, 0.0f);
    return finish_one_shot(b, 0.8f);
}

std::vector<int16_t> make_menu_updown()
{
    Buffer b((size_t)samples_of(0.11));
    // A small glassy tick: a bright FM strike that drops a little in pitch, an
    // inharmonic overtone, and a breath of noise for the attack.
    FmSpec tick;
    tick.ratio = 2.0f;
    tick.index = 1.6f;
    tick.index_decay = 0.012f;
    tick.decay = 0.025f;
    tick.attack = 0.001f;
    tick.pitch_from = 1.3f;
    tick.pitch_time = 0.012f;
    fm_tone(b, 0.0, 1150.0f, 0.1f, 0.6f, tick);
    FmSpec overtone;
    overtone.ratio = 1.0f;
    overtone.index = 0.3f;
    overtone.decay = 0.015f;
    overtone.attack = 0.001f;
    fm_tone(b, 0.0, 1150.0f * 2.76f, 0.06f, 0.25f, overtone);
    NoiseSpec click;
    click.from_hz = click.to_hz = 3500.0f;
    click.highpass = true;
    click.attack = 0.0005f;
    click.decay = 0.004f;
    click.release = 0.01f;
    click.seed = 11;
    noise_sweep(b, 0.0, 0.004f, 0.35f, click);
    return finish_one_shot(b, 0.55f);
}

std::vector<int16_t> make_menu_leftright()
{
    Buffer b((size_t)samples_of(0.14));
    VoiceSpec v;
    v.wave = Wave::Square;
    v.unison = 1;
    v.cutoff_from = 2800.0f;
    v.cutoff_to = 1400.0f;
    v.cutoff_time = 0.05f;
    v.attack = 0.002f;
    v.decay = 0.05f;
    v.sustain = 0.2f;
    v.release = 0.05f;
    v.glide_from = 0.67f;
    v.glide_time = 0.015f;
    voice_note(b, 0.0, 780.0f, 0.06f, 0.6f, v);
    FmSpec top;
    top.ratio = 1.0f;
    top.index = 0.3f;
    top.decay = 0.03f;
    fm_tone(b, 0.01, 1560.0f, 0.08f, 0.2f, top);
    return finish_one_shot(b, 0.55f);
}

// ---- event sounds ----

std::vector<int16_t> make_pickup_powerup()
{
    Buffer b((size_t)samples_of(0.8));
    const int notes[] = {72, 76, 79, 84, 88, 91};   // C major, two octaves up
    VoiceSpec v;
    v.wave = Wave::Saw;
    v.unison = 2;
    v.detune_cents = 8.0f;
    v.cutoff_from = 6000.0f;
    v.cutoff_to = 1800.0f;
    v.cutoff_time = 0.05f;
    v.q = 1.4f;
    v.attack = 0.003f;
    v.decay = 0.08f;
    v.sustain = 0.3f;
    v.release = 0.12f;
    for (int i = 0; i < 6; i++) {
        voice_note(b, 0.045 * i, note_hz((float)notes[i]), 0.06f, 0.22f + 0.03f * i, v);
    }
    // A vibrato shimmer on top, fading in as the run ends.
    long s0 = samples_of(0.18);
    int n = samples_of(0.55);
    double p1 = 0.0;
    double p2 = 0.0;
    for (int i = 0; i < n; i++) {
        float t = (float)i / RATE;
        float vib = 1.0f + 0.012f * (float)std::sin(2.0 * PI * 7.0 * t);
        float env = adsr(t, 0.08f, 0.1f, 0.7f, 0.25f, 0.3f);
        float x = (float)(std::sin(2.0 * PI * p1) + 0.5 * std::sin(2.0 * PI * p2));
        mix_at(b, s0 + i, 0.12f * env * x);
        p1 += note_hz(96) * vib / RATE;
        p2 += note_hz(100) * vib / RATE;
    }
    NoiseSpec swoosh;
    swoosh.from_hz = 600.0f;
    swoosh.to_hz = 5000.0f;
    swoosh.q = 2.0f;
    swoosh.attack = 0.15f;
    swoosh.decay = 0.1f;
    swoosh.sustain = 0.5f;
    swoosh.release = 0.1f;
    swoosh.seed = 23;
    noise_sweep(b, 0.0, 0.28f, 0.2f, swoosh);
    add_reverb(b, 0.3f, 0.75f, 0.3f, 0.0f);
    return finish_one_shot(b, 0.85f);
}

std::vector<int16_t> make_score_multiply()
{
    Buffer b((size_t)samples_of(1.0));
    VoiceSpec stab;
    stab.wave = Wave::Saw;
    stab.unison = 3;
    stab.detune_cents = 12.0f;
    stab.sub = 0.3f;
    stab.cutoff_from = 500.0f;
    stab.cutoff_to = 3500.0f;
    stab.cutoff_time = 0.12f;
    stab.q = 1.2f;
    stab.attack = 0.01f;
    stab.decay = 0.25f;
    stab.sustain = 0.55f;
    stab.release = 0.35f;
    stab.glide_from = 0.75f;   // sweeps up a fourth into the chord
    stab.glide_time = 0.05f;
    for (int note : {60, 64, 67, 72}) {
        voice_note(b, 0.0, note_hz((float)note), 0.35f, 0.22f, stab);
    }
    FmSpec sparkle;
    sparkle.ratio = 3.0f;
    sparkle.index = 1.5f;
    sparkle.index_decay = 0.05f;
    sparkle.decay = 0.15f;
    const int top[] = {84, 91, 96};
    for (int i = 0; i < 3; i++) {
        fm_tone(b, 0.14 + 0.07 * i, note_hz((float)top[i]), 0.3f, 0.18f, sparkle);
    }
    kick(b, 0.0, 0.35f, 55.0f, 0.12f);
    add_reverb(b, 0.28f, 0.78f, 0.25f, 0.0f);
    return finish_one_shot(b, 0.9f);
}

std::vector<int16_t> make_time_bonus()
{
    Buffer b((size_t)samples_of(0.35));
    VoiceSpec coin;
    coin.wave = Wave::Square;
    coin.unison = 1;
    coin.cutoff_from = 7000.0f;
    coin.cutoff_to = 4000.0f;
    coin.q = 0.7f;
    coin.attack = 0.001f;
    coin.decay = 0.01f;
    coin.sustain = 0.8f;
    coin.release = 0.01f;
    voice_note(b, 0.0, note_hz(83), 0.05f, 0.35f, coin);   // B5
    coin.decay = 0.2f;
    coin.sustain = 0.0f;
    coin.release = 0.05f;
    voice_note(b, 0.055, note_hz(88), 0.22f, 0.35f, coin);  // E6
    add_reverb(b, 0.15f, 0.6f, 0.4f, 0.0f);
    return finish_one_shot(b, 0.75f);
}

std::vector<int16_t> make_extra_ship()
{
    Buffer b((size_t)samples_of(1.5));
    VoiceSpec brass;
    brass.wave = Wave::Saw;
    brass.unison = 3;
    brass.detune_cents = 9.0f;
    brass.cutoff_from = 700.0f;
    brass.cutoff_to = 2600.0f;
    brass.cutoff_time = 0.04f;
    brass.q = 1.0f;
    brass.attack = 0.015f;
    brass.decay = 0.08f;
    brass.sustain = 0.75f;
    brass.release = 0.06f;
    const int run[] = {67, 72, 76, 79};   // G4 C5 E5 G5
    for (int i = 0; i < 4; i++) {
        voice_note(b, 0.1 * i, note_hz((float)run[i]), 0.08f, 0.3f, brass);
    }
    brass.release = 0.35f;
    brass.vibrato_hz = 5.5f;
    brass.vibrato_depth = 0.008f;
    brass.vibrato_delay = 0.2f;
    voice_note(b, 0.42, note_hz(84), 0.6f, 0.32f, brass);   // C6, held
    brass.vibrato_hz = 0.0f;
    voice_note(b, 0.42, note_hz(76), 0.6f, 0.16f, brass);   // E5 and G5 under it
    voice_note(b, 0.42, note_hz(79), 0.6f, 0.16f, brass);
    kick(b, 0.42, 0.4f, 65.0f, 0.2f);
    add_reverb(b, 0.3f, 0.8f, 0.25f, 0.0f);
    return finish_one_shot(b, 0.9f);
}

std::vector<int16_t> make_levelstart()
{
    Buffer b((size_t)samples_of(2.5));
    NoiseSpec swell;
    swell.from_hz = 250.0f;
    swell.to_hz = 3500.0f;
    swell.q = 1.5f;
    swell.attack = 1.4f;
    swell.decay = 0.1f;
    swell.sustain = 1.0f;
    swell.release = 0.08f;
    swell.pink = true;
    swell.seed = 5;
    noise_sweep(b, 0.0, 1.55f, 0.45f, swell);
    VoiceSpec riser;
    riser.wave = Wave::Saw;
    riser.unison = 3;
    riser.detune_cents = 15.0f;
    riser.cutoff_from = 250.0f;
    riser.cutoff_to = 3000.0f;
    riser.cutoff_time = 0.9f;
    riser.q = 1.6f;
    riser.attack = 1.3f;
    riser.decay = 0.1f;
    riser.sustain = 1.0f;
    riser.release = 0.06f;
    riser.glide_from = 0.5f;   // an octave up over the swell
    riser.glide_time = 0.6f;
    voice_note(b, 0.0, note_hz(57), 1.55f, 0.3f, riser);   // A3
    voice_note(b, 0.0, note_hz(64), 1.55f, 0.18f, riser);  // E4
    // The impact: a deep kick, a wide A minor add9 chord and a crash.
    kick(b, 1.6, 0.9f, 45.0f, 0.25f);
    VoiceSpec stab;
    stab.wave = Wave::Saw;
    stab.unison = 3;
    stab.detune_cents = 14.0f;
    stab.sub = 0.4f;
    stab.cutoff_from = 4500.0f;
    stab.cutoff_to = 700.0f;
    stab.cutoff_time = 0.25f;
    stab.attack = 0.004f;
    stab.decay = 0.4f;
    stab.sustain = 0.25f;
    stab.release = 0.4f;
    for (int note : {45, 57, 60, 64, 71}) {
        voice_note(b, 1.6, note_hz((float)note), 0.45f, 0.2f, stab);
    }
    NoiseSpec crash;
    crash.from_hz = crash.to_hz = 4500.0f;
    crash.highpass = true;
    crash.q = 0.6f;
    crash.attack = 0.002f;
    crash.decay = 0.5f;
    crash.sustain = 0.0f;
    crash.release = 0.3f;
    crash.seed = 77;
    noise_sweep(b, 1.6, 0.6f, 0.35f, crash);
    add_reverb(b, 0.35f, 0.82f, 0.3f, 0.0f);
    return finish_one_shot(b, 0.9f);
}

std::vector<int16_t> make_levelend()
{
    Buffer b((size_t)samples_of(3.2));
    struct Chord {
        double at;
        float hold;
        std::vector<int> notes;
        int bell;
    };
    const Chord chords[] = {
        {0.0, 0.8f, {53, 57, 60, 64}, 81},        // Fmaj7, bell A5
        {0.9, 0.8f, {55, 59, 62, 67}, 83},        // G, bell B5
        {1.8, 1.0f, {48, 55, 59, 62, 64}, 84},    // Cmaj9, bell C6
    };
    for (const Chord &c : chords) {
        for (int note : c.notes) {
            pad_note(b, c.at, note_hz((float)note), c.hold, 0.12f, 1800.0f, 0.05f, 0.9f);
        }
        FmSpec bell;
        bell.ratio = 3.5f;
        bell.index = 1.6f;
        bell.index_decay = 0.15f;
        bell.decay = 0.7f;
        fm_tone(b, c.at, note_hz((float)c.bell), 1.3f, 0.3f, bell);
    }
    FmSpec top;
    top.ratio = 2.0f;
    top.index = 1.0f;
    top.decay = 0.9f;
    fm_tone(b, 1.8, note_hz(91), 1.3f, 0.18f, top);   // G6 over the last chord
    add_reverb(b, 0.4f, 0.85f, 0.3f, 0.0f);
    return finish_one_shot(b, 0.85f);
}

std::vector<int16_t> make_ping_multiply()
{
    Buffer b((size_t)samples_of(0.45));
    FmSpec ping;
    ping.ratio = 1.41f;   // inharmonic: a struck metal bar
    ping.index = 3.0f;
    ping.index_decay = 0.04f;
    ping.decay = 0.15f;
    fm_tone(b, 0.0, 1760.0f, 0.4f, 0.5f, ping);
    ping.ratio = 2.0f;
    ping.index = 1.0f;
    ping.decay = 0.09f;
    fm_tone(b, 0.0, 2640.0f, 0.3f, 0.25f, ping);
    add_reverb(b, 0.2f, 0.7f, 0.3f, 0.0f);
    return finish_one_shot(b, 0.75f);
}

std::vector<int16_t> make_ping_multiplycount()
{
    Buffer b((size_t)samples_of(0.22));
    FmSpec ping;
    ping.ratio = 2.0f;
    ping.index = 1.5f;
    ping.index_decay = 0.02f;
    ping.decay = 0.06f;
    fm_tone(b, 0.0, note_hz(96), 0.2f, 0.5f, ping);   // C7
    ping.ratio = 1.0f;
    ping.index = 0.5f;
    ping.decay = 0.03f;
    fm_tone(b, 0.0, note_hz(84), 0.12f, 0.25f, ping);
    return finish_one_shot(b, 0.65f);
}

std::vector<int16_t> make_ping_timer()
{
    Buffer b((size_t)samples_of(0.16));
    // A wood block: three inharmonic modes that die away at different rates.
    FmSpec wood;
    wood.ratio = 1.0f;
    wood.index = 0.4f;
    wood.index_decay = 0.01f;
    wood.attack = 0.0008f;
    wood.decay = 0.03f;
    fm_tone(b, 0.0, 1250.0f, 0.15f, 0.6f, wood);
    wood.decay = 0.02f;
    fm_tone(b, 0.0, 2310.0f, 0.12f, 0.4f, wood);
    wood.decay = 0.012f;
    fm_tone(b, 0.0, 3480.0f, 0.08f, 0.25f, wood);
    NoiseSpec knock;
    knock.from_hz = knock.to_hz = 2500.0f;
    knock.q = 3.0f;
    knock.attack = 0.0005f;
    knock.decay = 0.008f;
    knock.release = 0.02f;
    knock.seed = 3;
    noise_sweep(b, 0.0, 0.01f, 0.5f, knock);
    return finish_one_shot(b, 0.6f);
}

std::vector<int16_t> make_ping_bombcount()
{
    Buffer b((size_t)samples_of(0.4));
    FmSpec thunk;
    thunk.ratio = 1.0f;
    thunk.index = 1.2f;
    thunk.index_decay = 0.03f;
    thunk.decay = 0.12f;
    thunk.pitch_from = 1.6f;
    thunk.pitch_time = 0.03f;
    fm_tone(b, 0.0, 330.0f, 0.35f, 0.6f, thunk);
    FmSpec metal;
    metal.ratio = 3.5f;
    metal.index = 2.0f;
    metal.index_decay = 0.03f;
    metal.decay = 0.08f;
    fm_tone(b, 0.0, 660.0f, 0.3f, 0.3f, metal);
    for (float &x : b) {
        x = std::tanh(1.5f * x);
    }
    add_reverb(b, 0.15f, 0.65f, 0.4f, 0.0f);
    return finish_one_shot(b, 0.75f);
}

// ---- ambient loops ----

// A loop under construction: notes and hits go into events (which may ring past the
// end and are folded back onto the start); steady layers go into a buffer of exactly
// the loop's length and are built from whole cycles, so the seam cannot be heard.
struct Loop {
    double seconds;
    size_t n;
    Buffer events;
    Buffer steady;
    explicit Loop(double s)
        : seconds(s), n((size_t)samples_of(s)), events(n + (size_t)samples_of(10.0), 0.0f), steady(n, 0.0f)
    {
    }
    bool folded = false;
    // Brings what rang past the end round to the start; done once.
    void fold()
    {
        if (!folded) {
            fold_loop(events, n);
            folded = true;
        }
    }
    Buffer finish(float reverb_wet, float room, float peak)
    {
        fold();
        for (size_t i = 0; i < n; i++) {
            events[i] += steady[i];
        }
        if (reverb_wet > 0.0f) {
            add_reverb_loop(events, reverb_wet, room, 0.3f);
        }
        normalise(events, peak);
        return events;
    }
    // Time in the loop of sample i, as a fraction of the loop.
    double cycle(size_t i) const { return (double)i / (double)n; }
};

// A sine drone with whole cycles in the loop and a slow swell (whole cycles too).
void drone(Loop &l, float hz, float amp, int swell_cycles, float swell_depth, double phase)
{
    float f = loop_hz(hz, l.seconds);
    for (size_t i = 0; i < l.n; i++) {
        double c = l.cycle(i);
        double x = std::sin(2.0 * PI * (f * l.seconds * c + phase));
        double swell = 1.0 - swell_depth * 0.5 * (1.0 - std::cos(2.0 * PI * swell_cycles * c));
        l.steady[i] += (float)(amp * swell * x);
    }
}

// Wind: noise through a band-pass whose centre and level drift with whole cycles of
// the loop; the filter runs twice round so its state at the seam is continuous.
void wind(Loop &l, float centre_hz, float amp, int drift_cycles, uint32_t seed)
{
    Rng rng(seed);
    Buffer noise(l.n);
    PinkNoise pink;
    for (float &x : noise) {
        x = pink.next(rng) * 3.0f;
    }
    Biquad f;
    for (int pass = 0; pass < 2; pass++) {
        for (size_t i = 0; i < l.n; i++) {
            double c = l.cycle(i);
            if (i % 32 == 0) {
                float centre = centre_hz * std::pow(2.0f, (float)std::sin(2.0 * PI * drift_cycles * c));
                f.bandpass(centre, 0.9f);
            }
            float y = f.process(noise[i]);
            if (pass == 1) {
                float level = 0.6f + 0.4f * (float)std::sin(2.0 * PI * (drift_cycles + 1) * c + 1.0);
                l.steady[i] += amp * level * y;
            }
        }
    }
}

// "ambi-00": a slow D minor drift: breathing pads, a low drone, far-off bells and wind.
std::vector<int16_t> make_ambient_drift()
{
    Loop l(32.0);
    const int chords[4][4] = {
        {50, 57, 64, 65},   // Dm(add9)
        {46, 53, 57, 62},   // Bbmaj7
        {41, 53, 57, 64},   // Fmaj7
        {48, 55, 62, 64},   // Csus2(add9)
    };
    for (int c = 0; c < 4; c++) {
        for (int k = 0; k < 4; k++) {
            pad_note(l.events, 8.0 * c, note_hz((float)chords[c][k]), 8.0f, 0.16f, 900.0f + 150.0f * k, 2.5f, 3.5f);
        }
    }
    Rng rng(1001);
    const int bells[] = {74, 77, 79, 81, 84, 86};
    for (double t = 0.7; t < 31.0; t += rng.range(1.3f, 3.2f)) {
        FmSpec bell;
        bell.ratio = 3.5f;
        bell.index = 1.2f;
        bell.index_decay = 0.3f;
        bell.decay = 1.4f;
        int note = bells[rng.next() % 6];
        fm_tone(l.events, t, note_hz((float)note), 4.0f, rng.range(0.05f, 0.1f), bell);
    }
    drone(l, note_hz(38), 0.12f, 2, 0.5f, 0.0);
    drone(l, note_hz(45), 0.05f, 3, 0.7f, 0.25);
    wind(l, 700.0f, 0.06f, 2, 2002);
    return to_s16(l.finish(0.35f, 0.86f, 0.6f));
}

// "ambi-01": a steady A minor pulse at 120 beats a minute: bass in eighths, a soft
// kick and hats, pads, and an arpeggio in the second half.
std::vector<int16_t> make_ambient_pulse()
{
    const double beat = 0.5;
    Loop l(32.0);   // 16 bars of 4 beats
    const int roots[4] = {45, 41, 48, 43};   // A F C G
    const int chords[4][3] = {{57, 60, 64}, {53, 57, 60}, {55, 60, 64}, {55, 59, 62}};
    const int pattern[8] = {0, 0, 12, 0, 0, 12, 0, 7};
    VoiceSpec bass;
    bass.wave = Wave::Saw;
    bass.unison = 2;
    bass.detune_cents = 5.0f;
    bass.sub = 0.6f;
    bass.cutoff_from = 1400.0f;
    bass.cutoff_to = 220.0f;
    bass.cutoff_time = 0.08f;
    bass.q = 1.3f;
    bass.attack = 0.004f;
    bass.decay = 0.1f;
    bass.sustain = 0.7f;
    bass.release = 0.05f;
    VoiceSpec arp;
    arp.wave = Wave::Square;
    arp.unison = 1;
    arp.cutoff_from = 3500.0f;
    arp.cutoff_to = 900.0f;
    arp.cutoff_time = 0.06f;
    arp.attack = 0.002f;
    arp.decay = 0.1f;
    arp.sustain = 0.0f;
    arp.release = 0.08f;
    for (int bar = 0; bar < 16; bar++) {
        int c = (bar / 2) % 4;
        double t0 = bar * 4 * beat;
        for (int e = 0; e < 8; e++) {
            voice_note(l.events, t0 + e * beat * 0.5, note_hz((float)(roots[c] + pattern[e])), 0.18f, 0.3f, bass);
        }
        for (int k = 0; k < 4; k++) {
            kick(l.events, t0 + k * beat, k % 2 == 0 ? 0.55f : 0.4f, 50.0f, 0.14f);
            hat(l.events, t0 + k * beat + beat * 0.5, 0.12f, 100u + (uint32_t)(bar * 4 + k));
        }
        if (bar % 2 == 0) {
            for (int k = 0; k < 3; k++) {
                pad_note(l.events, t0, note_hz((float)chords[c][k]), 3.6f, 0.07f, 1400.0f, 0.8f, 1.2f);
            }
        }
        if (bar >= 8) {
            const int steps[4] = {0, 1, 2, 1};
            for (int s = 0; s < 16; s++) {
                int octave = (s / 4) % 2 == 0 ? 12 : 24;
                int note = s % 4 == 3 ? chords[c][0] + 24 : chords[c][steps[s % 4]] + octave - 12;
                voice_note(l.events, t0 + s * beat * 0.25, note_hz((float)note), 0.05f, 0.07f, arp);
            }
        }
    }
    return to_s16(l.finish(0.2f, 0.8f, 0.6f));
}

// "ambi-02": glassy E lydian plucks with echoes over a soft open-fifth drone.
std::vector<int16_t> make_ambient_glass()
{
    Loop l(40.0);
    const int chords[8][4] = {
        {52, 59, 63, 70},   // Emaj7(#11) colours
        {49, 56, 59, 64},   // C#m7
        {54, 58, 61, 64},   // F#/E
        {56, 59, 63, 66},   // G#m7
        {52, 56, 59, 66},   // Eadd9
        {47, 54, 59, 63},   // B
        {57, 61, 64, 68},   // Amaj7
        {54, 58, 61, 68},   // F#
    };
    Rng rng(3003);
    const double step = 0.25;
    for (int c = 0; c < 8; c++) {
        for (int s = 0; s < 20; s++) {
            // Rests now and then keep the arpeggio from ticking like a clock.
            if (rng.uniform() < 0.22f) {
                continue;
            }
            int idx = s % 8 < 4 ? s % 4 : 3 - s % 4;
            int note = chords[c][idx] + 12 * (1 + (s / 8) % 2);
            pluck(l.events, 5.0 * c + s * step, note_hz((float)note), 2.5f, rng.range(0.18f, 0.3f),
                  rng.range(0.3f, 0.7f), rng.next());
        }
    }
    l.fold();
    add_echo_loop(l.events, 0.375f, 0.45f, 0.35f, 3000.0f);
    drone(l, note_hz(40), 0.035f, 2, 0.4f, 0.0);   // E2
    drone(l, note_hz(47), 0.02f, 3, 0.6f, 0.5);    // B2
    drone(l, note_hz(76), 0.015f, 5, 0.9f, 0.1);   // E5 shimmer
    Buffer out = l.finish(0.3f, 0.84f, 0.6f);
    return to_s16(out);
}

// "ambi-03": low tension: a dark drone, a slow heartbeat, a tritone swell and distant
// metal.
std::vector<int16_t> make_ambient_undertow()
{
    Loop l(36.0);
    // A resonant low-passed saw drone on C2; the filter breathes with whole cycles.
    {
        float f = loop_hz(note_hz(36), l.seconds);
        Osc a, b;
        b.phase = 0.5;
        Biquad lp;
        float f2 = loop_hz(note_hz(36) * 1.004f, l.seconds);
        Buffer d(l.n);
        for (int pass = 0; pass < 2; pass++) {
            a.phase = 0.0;
            b.phase = 0.5;
            for (size_t i = 0; i < l.n; i++) {
                double c = l.cycle(i);
                if (i % 32 == 0) {
                    lp.lowpass(160.0f + 140.0f * (float)(0.5 - 0.5 * std::cos(2.0 * PI * 3.0 * c)), 3.0f);
                }
                float y = lp.process(0.5f * (a.next(f, Wave::Saw) + b.next(f2, Wave::Saw)));
                if (pass == 1) {
                    d[i] = y;
                }
            }
        }
        for (size_t i = 0; i < l.n; i++) {
            l.steady[i] += 0.35f * d[i];
        }
    }
    drone(l, note_hz(24), 0.12f, 1, 0.3f, 0.0);
    // Heartbeat: a double thump every 1.5 s (24 in the loop).
    for (int k = 0; k < 24; k++) {
        double t = 1.5 * k;
        kick(l.events, t, 0.5f, 42.0f, 0.12f);
        kick(l.events, t + 0.28, 0.32f, 40.0f, 0.1f);
    }
    // The tritone swell (C and F#) rising and falling through the middle of the loop.
    for (int note : {48, 54, 60}) {
        pad_note(l.events, 10.0, note_hz((float)note), 9.0f, 0.1f, 700.0f, 5.0f, 6.0f);
    }
    Rng rng(4004);
    for (double t = 2.0; t < 34.0; t += rng.range(3.0f, 6.0f)) {
        FmSpec metal;
        metal.ratio = 1.41f;
        metal.index = 2.5f;
        metal.index_decay = 0.2f;
        metal.decay = 1.8f;
        float hz = note_hz((float)(rng.next() % 2 ? 79 : 78));
        fm_tone(l.events, t, hz, 5.0f, rng.range(0.04f, 0.08f), metal);
    }
    wind(l, 220.0f, 0.12f, 1, 5005);
    return to_s16(l.finish(0.3f, 0.88f, 0.6f));
}

struct SoundRecipe {
    const char *name;
    std::vector<int16_t> (*make)();
};

const SoundRecipe SOUND_RECIPES[] = {
    {"menu_select", make_menu_select},
    {"menu_updown", make_menu_updown},
    {"menu_leftright", make_menu_leftright},
    {"pickup_powerup", make_pickup_powerup},
    {"score_multiply", make_score_multiply},
    {"time_bonus", make_time_bonus},
    {"extra_ship", make_extra_ship},
    {"levelstart_01", make_levelstart},
    {"levelend_01", make_levelend},
    {"ping_multiply", make_ping_multiply},
    {"ping_multiplycount", make_ping_multiplycount},
    {"ping_timer", make_ping_timer},
    {"ping_bombcount", make_ping_bombcount},
    {"ambi-00", make_ambient_drift},
    {"ambi-01", make_ambient_pulse},
    {"ambi-02", make_ambient_glass},
    {"ambi-03", make_ambient_undertow},
    {"player_fire", make_player_fire},
    {"hit_player_shot", make_hit_player_shot},
    {"player_missile_blast", make_player_missile_blast},
    {"shot_hit_bolt", make_shot_hit_bolt},
    {"shot_hit_plasma", make_shot_hit_plasma},
    {"shot_hit_shell", make_shot_hit_shell},
    {"shot_hit_ball", make_shot_hit_ball},
    {"shot_hit_laser", make_shot_hit_laser},
    {"missile_launch", make_missile_launch},
    {"missile_hit", make_missile_hit},
    {"missile_blast", make_missile_blast},
    {"exp_small", make_exp_small},
    {"exp_medium", make_exp_medium},
    {"exp_large", make_exp_large},
    {"exp_ship", make_exp_ship},
    {"exp_emerge", make_exp_emerge},
    {"exp_submerge", make_exp_submerge},
    {"exp_mutate", make_exp_mutate},
    {"exp_shield", make_exp_shield},
    {"exp_bomb", make_exp_bomb},
};

}  // namespace

std::vector<std::string> sound_names()
{
    std::vector<std::string> names;
    for (const SoundRecipe &r : SOUND_RECIPES) {
        names.emplace_back(r.name);
    }
    for (int i = 0; i < SOUND_SET_COUNT; i++) {
        std::vector<std::string> more = SOUND_SETS[i].names();
        names.insert(names.end(), more.begin(), more.end());
    }
    return names;
}

std::vector<int16_t> sound_samples(const std::string &name)
{
    for (const SoundRecipe &r : SOUND_RECIPES) {
        if (name == r.name) {
            return r.make();
        }
    }
    for (int i = 0; i < SOUND_SET_COUNT; i++) {
        std::vector<int16_t> samples = SOUND_SETS[i].samples(name);
        if (!samples.empty()) {
            return samples;
        }
    }
    return {};
}

Bytes sound_build(const std::string &name)
{
    std::vector<int16_t> samples = sound_samples(name);
    if (samples.empty()) {
        return {};
    }
    return wav_write(samples);
}
