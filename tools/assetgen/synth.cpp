// synth.cpp -- the generator's synthesiser building blocks.

#include "assetgen/synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

float note_hz(float note)
{
    return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f);
}

int samples_of(double seconds)
{
    return (int)std::lround(seconds * RATE);
}

// The PolyBLEP residual that removes the aliasing of a step at phase 0.
static float poly_blep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return (float)(t + t - t * t - 1.0);
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return (float)(t * t + t + t + 1.0);
    }
    return 0.0f;
}

float Osc::next(float hz, Wave wave)
{
    double dt = std::fabs((double)hz) / RATE;
    if (dt > 0.49) {
        dt = 0.49;
    }
    double t = phase;
    float v = 0.0f;
    switch (wave) {
    case Wave::Sine:
        v = (float)std::sin(2.0 * PI * t);
        break;
    case Wave::Saw:
        v = (float)(2.0 * t - 1.0) - poly_blep(t, dt);
        break;
    case Wave::Square: {
        double w = width;
        v = t < w ? 1.0f : -1.0f;
        v += poly_blep(t, dt);
        double t2 = t - w;
        if (t2 < 0.0) {
            t2 += 1.0;
        }
        v -= poly_blep(t2, dt);
        break;
    }
    case Wave::Triangle:
        v = (float)(t < 0.5 ? 4.0 * t - 1.0 : 3.0 - 4.0 * t);
        break;
    }
    phase += dt;
    if (phase >= 1.0) {
        phase -= std::floor(phase);
    }
    return v;
}

static void biquad_limits(float &hz, float &q)
{
    hz = std::clamp(hz, 10.0f, RATE * 0.45f);
    q = std::max(q, 0.05f);
}

void Biquad::lowpass(float hz, float q)
{
    biquad_limits(hz, q);
    float w = (float)(2.0 * PI * hz / RATE);
    float alpha = std::sin(w) / (2.0f * q);
    float c = std::cos(w);
    float a0 = 1.0f + alpha;
    b0 = (1.0f - c) * 0.5f / a0;
    b1 = (1.0f - c) / a0;
    b2 = b0;
    a1 = -2.0f * c / a0;
    a2 = (1.0f - alpha) / a0;
}

void Biquad::highpass(float hz, float q)
{
    biquad_limits(hz, q);
    float w = (float)(2.0 * PI * hz / RATE);
    float alpha = std::sin(w) / (2.0f * q);
    float c = std::cos(w);
    float a0 = 1.0f + alpha;
    b0 = (1.0f + c) * 0.5f / a0;
    b1 = -(1.0f + c) / a0;
    b2 = b0;
    a1 = -2.0f * c / a0;
    a2 = (1.0f - alpha) / a0;
}

void Biquad::bandpass(float hz, float q)
{
    biquad_limits(hz, q);
    float w = (float)(2.0 * PI * hz / RATE);
    float alpha = std::sin(w) / (2.0f * q);
    float c = std::cos(w);
    float a0 = 1.0f + alpha;
    b0 = alpha / a0;
    b1 = 0.0f;
    b2 = -alpha / a0;
    a1 = -2.0f * c / a0;
    a2 = (1.0f - alpha) / a0;
}

float Biquad::process(float x)
{
    float y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}

float PinkNoise::next(Rng &rng)
{
    float white = rng.bipolar();
    b0 = 0.99765f * b0 + white * 0.0990460f;
    b1 = 0.96300f * b1 + white * 0.2965164f;
    b2 = 0.57000f * b2 + white * 1.0526913f;
    return (b0 + b1 + b2 + white * 0.1848f) * 0.25f;
}

float adsr(float t, float attack, float decay, float sustain, float hold, float release)
{
    if (t < 0.0f) {
        return 0.0f;
    }
    float level;
    if (t < attack) {
        level = t / attack;
    } else if (t < attack + decay) {
        level = 1.0f - (1.0f - sustain) * (t - attack) / decay;
    } else {
        level = sustain;
    }
    if (t <= hold) {
        return level;
    }
    // The release starts from the level reached at the end of the hold.
    float at_hold = adsr(hold, attack, decay, sustain, hold, release);
    float r = (t - hold) / release;
    return r >= 1.0f ? 0.0f : at_hold * (1.0f - r) * (1.0f - r);
}

float perc(float t, float attack, float decay)
{
    if (t < 0.0f) {
        return 0.0f;
    }
    if (t < attack) {
        return t / attack;
    }
    return std::exp(-(t - attack) / decay);
}

// Freeverb's tunings (for 44.1 kHz) halved for 22050 Hz.
static const int COMB_LENGTHS[8] = {558, 594, 638, 678, 711, 745, 778, 808};
static const int ALLPASS_LENGTHS[4] = {278, 220, 170, 112};

Reverb::Reverb(float room, float damp_) : feedback(room), damp(damp_)
{
    for (int i = 0; i < 8; i++) {
        combs[i].line.assign((size_t)COMB_LENGTHS[i], 0.0f);
    }
    for (int i = 0; i < 4; i++) {
        allpasses[i].line.assign((size_t)ALLPASS_LENGTHS[i], 0.0f);
    }
}

float Reverb::process(float x)
{
    float in = x * 0.015f;
    float out = 0.0f;
    for (Comb &c : combs) {
        float y = c.line[c.pos];
        c.store = y * (1.0f - damp) + c.store * damp;
        c.line[c.pos] = in + c.store * feedback;
        c.pos = (c.pos + 1) % c.line.size();
        out += y;
    }
    for (Allpass &a : allpasses) {
        float buffered = a.line[a.pos];
        float y = -out + buffered;
        a.line[a.pos] = out + buffered * 0.5f;
        a.pos = (a.pos + 1) % a.line.size();
        out = y;
    }
    return out;
}

void add_reverb(Buffer &b, float wet, float room, float damp, float tail)
{
    b.resize(b.size() + (size_t)samples_of(tail), 0.0f);
    Reverb r(room, damp);
    for (float &x : b) {
        x += wet * r.process(x);
    }
}

void add_reverb_loop(Buffer &b, float wet, float room, float damp)
{
    Reverb r(room, damp);
    for (float x : b) {
        r.process(x);
    }
    for (float &x : b) {
        x += wet * r.process(x);
    }
}

void add_echo_loop(Buffer &b, float seconds, float feedback, float wet, float lowpass_hz)
{
    size_t n = b.size();
    size_t delay = (size_t)samples_of(seconds);
    if (n == 0 || delay == 0 || delay >= n) {
        return;
    }
    std::vector<float> line(delay, 0.0f);
    Biquad tone;
    tone.lowpass(lowpass_hz, 0.7f);
    size_t pos = 0;
    Buffer out(n, 0.0f);
    for (int pass = 0; pass < 2; pass++) {
        for (size_t i = 0; i < n; i++) {
            float echoed = line[pos];
            line[pos] = tone.process(b[i] + echoed * feedback);
            pos = (pos + 1) % delay;
            out[i] = echoed;
        }
    }
    for (size_t i = 0; i < n; i++) {
        b[i] += wet * out[i];
    }
}

void fold_loop(Buffer &b, size_t loop_length)
{
    for (size_t i = loop_length; i < b.size(); i++) {
        b[i % loop_length] += b[i];
    }
    b.resize(loop_length);
}

void fade_edges(Buffer &b, float in, float out)
{
    size_t n_in = std::min(b.size(), (size_t)samples_of(in));
    size_t n_out = std::min(b.size(), (size_t)samples_of(out));
    for (size_t i = 0; i < n_in; i++) {
        b[i] *= (float)i / (float)n_in;
    }
    for (size_t i = 0; i < n_out; i++) {
        b[b.size() - 1 - i] *= (float)i / (float)n_out;
    }
}

void normalise(Buffer &b, float peak)
{
    float m = 0.0f;
    for (float x : b) {
        m = std::max(m, std::fabs(x));
    }
    if (m > 0.0f) {
        float k = peak / m;
        for (float &x : b) {
            x *= k;
        }
    }
}

float loop_hz(float hz, double loop_seconds)
{
    double cycles = std::round(hz * loop_seconds);
    if (cycles < 1.0) {
        cycles = 1.0;
    }
    return (float)(cycles / loop_seconds);
}

std::vector<int16_t> to_s16(const Buffer &b)
{
    std::vector<int16_t> out(b.size());
    for (size_t i = 0; i < b.size(); i++) {
        float v = std::clamp(b[i], -1.0f, 1.0f) * 32767.0f;
        out[i] = (int16_t)std::lround(v);
    }
    return out;
}

}  // namespace synth
