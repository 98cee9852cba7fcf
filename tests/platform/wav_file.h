// wav_file.h -- small RIFF WAV files for the sound tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wav {

inline void put32(std::string &out, uint32_t v)
{
    for (int i = 0; i < 4; i++) {
        out.push_back((char)((v >> (8 * i)) & 0xff));
    }
}

inline void put16(std::string &out, uint16_t v)
{
    out.push_back((char)(v & 0xff));
    out.push_back((char)(v >> 8));
}

// A PCM WAV of the given layout around raw sample bytes.
inline std::string pcm(const std::string &data, int bits, int channels, int rate)
{
    std::string out = "RIFF";
    put32(out, (uint32_t)(36 + data.size()));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);
    put16(out, (uint16_t)channels);
    put32(out, (uint32_t)rate);
    put32(out, (uint32_t)(rate * channels * bits / 8));
    put16(out, (uint16_t)(channels * bits / 8));
    put16(out, (uint16_t)bits);
    out += "data";
    put32(out, (uint32_t)data.size());
    return out + data;
}

// The game's own format: 22050 Hz, signed 16-bit, mono.
inline std::string mono16(const std::vector<int16_t> &samples, int rate = 22050)
{
    std::string data;
    for (int16_t s : samples) {
        put16(data, (uint16_t)s);
    }
    return pcm(data, 16, 1, rate);
}

// A square wave of n samples at amplitude a.
inline std::vector<int16_t> square(int n, int16_t a, int period = 50)
{
    std::vector<int16_t> s((size_t)n);
    for (int i = 0; i < n; i++) {
        s[(size_t)i] = (i / (period / 2)) % 2 ? (int16_t)-a : a;
    }
    return s;
}

} // namespace wav
