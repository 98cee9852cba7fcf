// footprint.h -- two pools of short-lived effects: the footprints that walking enemies
// leave on the floor, and the floating score numbers of kills.
#pragma once

#include <cstdint>

constexpr int MAX_FOOTPRINTS = 1024;   // a busy arena's walkers leave a few hundred
constexpr int MAX_SCOREPOPS = 4096;    // a smart bomb's kills at once, with room to spare

// One footprint on the floor.
struct Footprint {
    float x, y, z;      // y is always 0: the floor
    float life;         // <= 0: free slot
    uint32_t colour;    // RGBA bytes; black at full alpha
    int texture;        // 0 the first footprint bitmap, else the second
    float size;
    float angle;        // degrees
};

// One floating score number.
struct ScorePop {
    float x, y, z;
    float life;         // <= 0: free slot
    uint32_t colour;    // RGBA bytes
    int value;          // the points shown
    int spare[2];
};

// The pools (null outside level set-up and release).
extern Footprint *g_footprints;
extern ScorePop *g_scorepops;
// The handles of the two footprint bitmaps.
extern uint32_t g_footprint_handles[2];

// Allocates (once) and clears the footprints and loads their two textures: the HUD
// graphics loader at every level start.
void footprint_init(void);
// Every footprint's life 0 (at level start); nothing without a pool.
void footprint_clear(void);
// Frees the footprint pool (at level release).
void footprint_free(void);
// A footprint under a bone: at the matrix's floor position, turned with its first
// column. Dropped when all are live.
void footprint_add(const float matrix[16], float size, float life, int texture);
// Draws the live footprints into the face batch and ages them by g_frame_dt; fully dark
// until their life falls under 99, then fading out.
void footprint_draw(void);
// One footprint triangle into the face batch.
void footprint_emit(const Footprint *fp, float size, float angle, uint32_t colour, uint32_t handle);

// Allocates and zeroes / frees the score numbers (level set-up / release).
void scorepop_alloc(void);
void scorepop_free(void);
// A score number at a position; dropped when all are live.
void scorepop_add(const float pos[3], float life, uint32_t colour, int value);
// Draws the live score numbers, then ages every entry by dt.
void scorepop_update_draw(float dt);
// Draws one live score number with the glyphs; a fading one loses alpha per logic step.
void scorepop_draw_one(ScorePop *pop);
