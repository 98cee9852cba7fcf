// sounds_ships.cpp -- the ships' and shots' sounds, each a few layers: a tone gliding from
// one pitch to another under a percussive envelope and a sweeping low-pass, and noise
// through a band-pass that sweeps as it decays.

#include "assetgen/sounds_ships.h"

#include "assetgen/synth.h"

#include <algorithm>
#include <cmath>

using namespace synth;

namespace {

// A tone: pitch glides exponentially from `from` to `to` Hz (time constant glide_s),
// under perc(attack, decay), through a low-pass falling from `bright` to `dull` Hz.
struct Tone {
    float from = 800, to = 400, glide_s = 0.05f;
    Wave wave = Wave::Square;
    float width = 0.5f;
    float attack = 0.002f, decay = 0.05f;
    float bright = 6000, dull = 1200;
    float amp = 1.0f;
};

void add_tone(Buffer &b, double start, float seconds, const Tone &t)
{
    long s0 = samples_of(start);
    int n = samples_of(seconds);
    Osc osc;
    osc.width = t.width;
    Biquad lp;
    for (int i = 0; i < n; i++) {
        float s = (float)i / RATE;
        float k = std::exp(-s / t.glide_s);
        if (i % 16 == 0) {
            lp.lowpass(t.dull + (t.bright - t.dull) * k, 0.9f);
        }
        float hz = t.to + (t.from - t.to) * k;
        float tail = std::min(1.0f, (float)(n - i) / (0.004f * RATE));
        mix_at(b, s0 + i, t.amp * perc(s, t.attack, t.decay) * tail * lp.process(osc.next(hz, t.wave)));
    }
}

// Noise: white or pink through a band-pass whose centre moves from `from` to `to` Hz
// (exponentially, time constant glide_s), under perc(attack, decay).
struct Noise {
    float from = 3000, to = 800, glide_s = 0.05f, q = 0.8f;
    bool pink = false;
    float attack = 0.001f, decay = 0.05f;
    float amp = 1.0f;
    uint32_t seed = 1;
};

void add_noise(Buffer &b, double start, float seconds, const Noise &z)
{
    long s0 = samples_of(start);
    int n = samples_of(seconds);
    Rng rng(z.seed);
    PinkNoise pink;
    Biquad bp;
    for (int i = 0; i < n; i++) {
        float s = (float)i / RATE;
        if (i % 16 == 0) {
            bp.bandpass(z.to + (z.from - z.to) * std::exp(-s / z.glide_s), z.q);
        }
        float x = z.pink ? pink.next(rng) * 3.0f : rng.bipolar();
        float tail = std::min(1.0f, (float)(n - i) / (0.004f * RATE));
        mix_at(b, s0 + i, z.amp * perc(s, z.attack, z.decay) * tail * bp.process(x));
    }
}

std::vector<int16_t> finish(Buffer &b, float peak, float reverb)
{
    if (reverb > 0) {
        add_reverb(b, reverb, 0.5f, 0.5f, 0.25f);
    }
    fade_edges(b, 0.001f, 0.015f);
    normalise(b, peak);
    return to_s16(b);
}

}  // namespace

std::vector<int16_t> make_player_fire()
{
    // A soft rounded "pew": a triangle dropping an octave and a half, a breath of noise.
    Buffer b((size_t)samples_of(0.11));
    Tone t;
    t.from = 1500, t.to = 520, t.glide_s = 0.025f, t.wave = Wave::Triangle;
    t.attack = 0.003f, t.decay = 0.03f, t.bright = 5000, t.dull = 1400;
    add_tone(b, 0, 0.1f, t);
    Tone body = t;
    body.from = 760, body.to = 300, body.wave = Wave::Square, body.width = 0.3f, body.amp = 0.25f;
    body.bright = 2400, body.dull = 700;
    add_tone(b, 0, 0.09f, body);
    Noise z;
    z.from = 6000, z.to = 2500, z.decay = 0.012f, z.amp = 0.3f, z.seed = 151;
    add_noise(b, 0, 0.05f, z);
    return finish(b, 0.42f, 0);
}

std::vector<int16_t> make_hit_player_shot()
{
    // A bright tick on metal: a high ping and a short crackle.
    Buffer b((size_t)samples_of(0.16));
    Tone ping;
    ping.from = 2600, ping.to = 1900, ping.glide_s = 0.02f, ping.wave = Wave::Sine;
    ping.decay = 0.035f, ping.amp = 0.6f;
    add_tone(b, 0, 0.14f, ping);
    Noise z;
    z.from = 7000, z.to = 1800, z.glide_s = 0.02f, z.decay = 0.02f, z.seed = 152;
    add_noise(b, 0, 0.08f, z);
    return finish(b, 0.5f, 0);
}

std::vector<int16_t> make_player_missile_blast()
{
    // A tight burst: a falling thump under a noise bloom, a little room.
    Buffer b((size_t)samples_of(0.5));
    Tone thump;
    thump.from = 220, thump.to = 55, thump.glide_s = 0.05f, thump.wave = Wave::Sine;
    thump.decay = 0.12f, thump.bright = 900, thump.dull = 300;
    add_tone(b, 0, 0.45f, thump);
    Noise z;
    z.from = 4000, z.to = 500, z.glide_s = 0.08f, z.q = 0.6f, z.pink = true, z.decay = 0.1f, z.seed = 153;
    add_noise(b, 0, 0.45f, z);
    return finish(b, 0.7f, 0.15f);
}

std::vector<int16_t> make_shot_hit_bolt()
{
    // A sharp electric zap.
    Buffer b((size_t)samples_of(0.18));
    Tone zap;
    zap.from = 1800, zap.to = 240, zap.glide_s = 0.03f, zap.wave = Wave::Saw;
    zap.decay = 0.045f, zap.bright = 7000, zap.dull = 900;
    add_tone(b, 0, 0.16f, zap);
    Noise z;
    z.from = 5000, z.to = 1500, z.decay = 0.025f, z.amp = 0.6f, z.seed = 154;
    add_noise(b, 0, 0.1f, z);
    return finish(b, 0.6f, 0);
}

std::vector<int16_t> make_shot_hit_plasma()
{
    // A wet plasma pop: a bubble rising then falling, fizzing out.
    Buffer b((size_t)samples_of(0.32));
    Tone pop;
    pop.from = 180, pop.to = 620, pop.glide_s = 0.03f, pop.wave = Wave::Square, pop.width = 0.4f;
    pop.decay = 0.06f, pop.bright = 3000, pop.dull = 500;
    add_tone(b, 0, 0.2f, pop);
    Noise fizz;
    fizz.from = 9000, fizz.to = 3000, fizz.glide_s = 0.1f, fizz.q = 1.5f, fizz.decay = 0.09f, fizz.amp = 0.7f;
    fizz.seed = 155;
    add_noise(b, 0.02, 0.28f, fizz);
    return finish(b, 0.6f, 0.1f);
}

std::vector<int16_t> make_shot_hit_shell()
{
    // A heavy shell: a knock and a low crunch.
    Buffer b((size_t)samples_of(0.3));
    Tone knock;
    knock.from = 420, knock.to = 90, knock.glide_s = 0.03f, knock.wave = Wave::Triangle;
    knock.decay = 0.07f, knock.bright = 2000, knock.dull = 400;
    add_tone(b, 0, 0.28f, knock);
    Noise crunch;
    crunch.from = 2500, crunch.to = 400, crunch.glide_s = 0.05f, crunch.pink = true, crunch.decay = 0.06f;
    crunch.seed = 156;
    add_noise(b, 0, 0.25f, crunch);
    return finish(b, 0.65f, 0);
}

std::vector<int16_t> make_shot_hit_ball()
{
    // A rubbery bonk: a hollow tone bent down, a soft thud and a slap.
    Buffer b((size_t)samples_of(0.28));
    Tone bonk;
    bonk.from = 900, bonk.to = 260, bonk.glide_s = 0.06f, bonk.wave = Wave::Square, bonk.width = 0.35f;
    bonk.decay = 0.08f, bonk.bright = 2200, bonk.dull = 700;
    add_tone(b, 0, 0.26f, bonk);
    Noise slap;
    slap.from = 3000, slap.to = 1200, slap.decay = 0.012f, slap.amp = 0.5f, slap.seed = 161;
    add_noise(b, 0, 0.05f, slap);
    Tone thud;
    thud.from = 140, thud.to = 70, thud.wave = Wave::Sine, thud.decay = 0.05f, thud.amp = 0.7f;
    add_tone(b, 0, 0.2f, thud);
    return finish(b, 0.55f, 0);
}

std::vector<int16_t> make_shot_hit_laser()
{
    // A searing sizzle with a falling whine.
    Buffer b((size_t)samples_of(0.35));
    Noise sizzle;
    sizzle.from = 8000, sizzle.to = 4000, sizzle.glide_s = 0.15f, sizzle.q = 2.0f, sizzle.decay = 0.12f;
    sizzle.seed = 157;
    add_noise(b, 0, 0.33f, sizzle);
    Tone whine;
    whine.from = 3200, whine.to = 900, whine.glide_s = 0.1f, whine.wave = Wave::Saw, whine.decay = 0.1f;
    whine.amp = 0.35f, whine.bright = 6000, whine.dull = 2000;
    add_tone(b, 0, 0.3f, whine);
    return finish(b, 0.55f, 0);
}

std::vector<int16_t> make_missile_launch()
{
    // A rising whoosh with a short ignition cough.
    Buffer b((size_t)samples_of(0.45));
    Noise whoosh;
    whoosh.from = 500, whoosh.to = 3500, whoosh.glide_s = 0.15f, whoosh.q = 1.2f, whoosh.pink = true;
    whoosh.attack = 0.05f, whoosh.decay = 0.18f, whoosh.seed = 158;
    add_noise(b, 0, 0.43f, whoosh);
    Tone cough;
    cough.from = 160, cough.to = 90, cough.wave = Wave::Square, cough.width = 0.3f, cough.decay = 0.04f;
    cough.bright = 800, cough.dull = 300, cough.amp = 0.5f;
    add_tone(b, 0, 0.12f, cough);
    return finish(b, 0.5f, 0);
}

std::vector<int16_t> make_missile_hit()
{
    // A clank on a thin metal casing.
    Buffer b((size_t)samples_of(0.22));
    for (float hz : {1320.0f, 1870.0f, 2630.0f}) {
        Tone ring;
        ring.from = hz * 1.04f, ring.to = hz, ring.wave = Wave::Sine, ring.decay = 0.05f, ring.amp = 0.4f;
        add_tone(b, 0, 0.2f, ring);
    }
    Noise z;
    z.from = 6000, z.to = 2000, z.decay = 0.015f, z.seed = 159;
    add_noise(b, 0, 0.06f, z);
    return finish(b, 0.55f, 0);
}

std::vector<int16_t> make_missile_blast()
{
    // A small explosion: a deep falling boom, a roar of noise, a room after it.
    Buffer b((size_t)samples_of(0.7));
    Tone boom;
    boom.from = 160, boom.to = 40, boom.glide_s = 0.08f, boom.wave = Wave::Sine, boom.decay = 0.2f;
    boom.bright = 600, boom.dull = 200;
    add_tone(b, 0, 0.65f, boom);
    Noise roar;
    roar.from = 3000, roar.to = 300, roar.glide_s = 0.12f, roar.q = 0.5f, roar.pink = true, roar.decay = 0.16f;
    roar.seed = 160;
    add_noise(b, 0, 0.65f, roar);
    return finish(b, 0.8f, 0.2f);
}
