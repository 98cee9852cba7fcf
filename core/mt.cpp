// mt.cpp -- MT19937, exactly as published, with one global state.

#include "core/mt.h"

constexpr int MT_N = 624;
constexpr int MT_M = 397;
constexpr uint32_t MT_MATRIX_A = 0x9908b0dfu;
constexpr uint32_t MT_UPPER = 0x80000000u;
constexpr uint32_t MT_LOWER = 0x7fffffffu;

// Generator state and the index of the next word; MT_N + 1 means never seeded.
static uint32_t mt_state[MT_N];
static int mt_index = MT_N + 1;

void mt_seed(uint32_t seed)
{
    mt_state[0] = seed;
    for (int i = 1; i < MT_N; i++) {
        mt_state[i] = 1812433253u * (mt_state[i - 1] ^ (mt_state[i - 1] >> 30)) + (uint32_t)i;
    }
    mt_index = MT_N;
}

static void mt_twist(void)
{
    for (int i = 0; i < MT_N; i++) {
        uint32_t y = (mt_state[i] & MT_UPPER) | (mt_state[(i + 1) % MT_N] & MT_LOWER);
        uint32_t next = mt_state[(i + MT_M) % MT_N] ^ (y >> 1);
        mt_state[i] = (y & 1u) ? next ^ MT_MATRIX_A : next;
    }
    mt_index = 0;
}

uint32_t mt_rand(void)
{
    if (mt_index > MT_N) {
        mt_seed(5489u);
    }
    if (mt_index >= MT_N) {
        mt_twist();
    }
    uint32_t y = mt_state[mt_index++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= y >> 18;
    return y;
}

float mt_rand_unit(void)
{
    return (float)(mt_rand() & 0x7fff) * 3.051851e-5f;
}

float mt_rand_signed(void)
{
    return (float)(mt_rand() & 0x7fff) * 6.103702e-5f - 1.0f;
}
