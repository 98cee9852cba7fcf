// bytes.h -- the generator's byte buffers and little-endian field writers. These are
// the generator's own; the engine's readers are separate code, so a round trip checks
// one implementation against the other.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void put_u8(Bytes &b, uint32_t v)
{
    b.push_back((uint8_t)v);
}

inline void put_u16(Bytes &b, uint32_t v)
{
    b.push_back((uint8_t)(v & 0xff));
    b.push_back((uint8_t)(v >> 8 & 0xff));
}

inline void put_u32(Bytes &b, uint32_t v)
{
    for (int i = 0; i < 4; i++) {
        b.push_back((uint8_t)(v >> (8 * i) & 0xff));
    }
}

inline void put_i32(Bytes &b, int32_t v)
{
    put_u32(b, (uint32_t)v);
}

inline void put_f32(Bytes &b, float f)
{
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    put_u32(b, bits);
}

// A fixed field of n bytes: the text (cut to n - 1 characters), then zeros.
inline void put_name(Bytes &b, const std::string &text, size_t n)
{
    size_t len = text.size() < n - 1 ? text.size() : n - 1;
    for (size_t i = 0; i < n; i++) {
        b.push_back(i < len ? (uint8_t)text[i] : 0);
    }
}

inline void put_text(Bytes &b, const std::string &text)
{
    b.insert(b.end(), text.begin(), text.end());
}
