// mt.cpp -- MT19937, exactly as published: the simulation's generator and a second one
// for drawing.

#include "core/mt.h"

constexpr int MT_N = 624;
constexpr int MT_M = 397;
constexpr uint32_t MT_MATRIX_A = 0x9908b0dfu;
constexpr uint32_t MT_UPPER = 0x80000000u;
constexpr uint32_t MT_LOWER = 0x7fffffffu;
constexpr uint32_t MT_DEFAULT_SEED = 5489u;

// Generator state and the index of the next word; MT_N + 1 means never seeded.
struct MtState {
    uint32_t words[MT_N];
    int index = MT_N + 1;
};

// The simulation's generator: seeded with the level's seed so a level replays its draws.
static MtState mt_sim;
// The drawing's generator: front-end effects drawn once per frame take their draws here,
// so the number of frames drawn never moves the simulation's sequence.
static MtState mt_draw;

static void mt_seed_state(MtState *s, uint32_t seed)
{
    s->words[0] = seed;
    for (int i = 1; i < MT_N; i++) {
        s->words[i] = 1812433253u * (s->words[i - 1] ^ (s->words[i - 1] >> 30)) + (uint32_t)i;
    }
    s->index = MT_N;
}

// Word i of the next block from words i, i + 1 and i + M (indexes past the end wrap to the
// start, whose words are already the new block's, as the published loop reads them).
static uint32_t mt_twist_word(uint32_t wi, uint32_t wi1, uint32_t wim)
{
    uint32_t y = (wi & MT_UPPER) | (wi1 & MT_LOWER);
    uint32_t next = wim ^ (y >> 1);
    return (y & 1u) ? next ^ MT_MATRIX_A : next;
}

// The published loop in three runs, so no index needs wrapping.
static void mt_twist(MtState *s)
{
    uint32_t *w = s->words;
    int i = 0;
    for (; i < MT_N - MT_M; i++) {
        w[i] = mt_twist_word(w[i], w[i + 1], w[i + MT_M]);
    }
    for (; i < MT_N - 1; i++) {
        w[i] = mt_twist_word(w[i], w[i + 1], w[i + MT_M - MT_N]);
    }
    w[MT_N - 1] = mt_twist_word(w[MT_N - 1], w[0], w[MT_M - 1]);
    s->index = 0;
}

static uint32_t mt_next(MtState *s)
{
    if (s->index > MT_N) {
        mt_seed_state(s, MT_DEFAULT_SEED);
    }
    if (s->index >= MT_N) {
        mt_twist(s);
    }
    uint32_t y = s->words[s->index++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= y >> 18;
    return y;
}

void mt_seed(uint32_t seed)
{
    mt_seed_state(&mt_sim, seed);
}

uint32_t mt_rand(void)
{
    return mt_next(&mt_sim);
}

float mt_rand_unit(void)
{
    return (float)(mt_rand() & 0x7fff) * 3.051851e-5f;
}

float mt_rand_signed(void)
{
    return (float)(mt_rand() & 0x7fff) * 6.103702e-5f - 1.0f;
}

uint32_t mt_draw_rand(void)
{
    return mt_next(&mt_draw);
}

void mt_draw_seed(uint32_t seed)
{
    mt_seed_state(&mt_draw, seed);
}
