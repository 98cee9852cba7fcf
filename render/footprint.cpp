// footprint.cpp -- the footprints on the arena floor: a fixed pool, their two bitmaps,
// and one batched triangle each.

#include "render/footprint.h"

#include "core/file.h"
#include "core/mathlib.h"
#include "core/mem.h"
#include "core/shell.h"
#include "render/batch.h"
#include "render/tex.h"

#include <cmath>
#include <cstdio>
#include <cstring>

Footprint *g_footprints;
uint32_t g_footprint_handles[2];

// Clamped, mip-mapped, white on black (brightness is the alpha).
constexpr uint32_t FOOTPRINT_TEXTURE_FLAGS = 0x0e710000u;
constexpr uint32_t FOOTPRINT_COLOUR = 0xff000000u;   // black, alpha 255
constexpr float FOOTPRINT_TURN = 225.0f;             // the bitmap's print points along its diagonal
constexpr float FOOTPRINT_FADE_LIFE = 99.0f;         // fully dark above this life

void footprint_clear(void)
{
    if (!g_footprints) {
        return;
    }
    for (int i = 0; i < MAX_FOOTPRINTS; i++) {
        g_footprints[i].life = 0.0f;
    }
}

void footprint_init(void)
{
    if (!g_footprints) {
        g_footprints = static_cast<Footprint *>(mem_alloc(sizeof(Footprint) * MAX_FOOTPRINTS));
    }
    if (g_footprints) {
        memset(g_footprints, 0, sizeof(Footprint) * MAX_FOOTPRINTS);
    }
    footprint_clear();
    static const char *const NAMES[2] = {"z_footprint1.bmp", "z_footprint2.bmp"};
    for (int i = 0; i < 2; i++) {
        char name[FILE_DIR_SIZE + 32];
        snprintf(name, sizeof(name), "%s%s", g_bitmaps_dir, NAMES[i]);
        TextureRecord *record = nullptr;
        int count = 0;
        zgl_texture_find_or_load(name, FOOTPRINT_TEXTURE_FLAGS, &record, &count, nullptr, 0.0f, 0);
        g_footprint_handles[i] = zgl_texture_record_handle(record);
    }
}

void footprint_free(void)
{
    mem_free(g_footprints);
    g_footprints = nullptr;
}

void footprint_add(const float matrix[16], float size, float life, int texture)
{
    if (!g_footprints || !matrix) {
        return;
    }
    for (int i = 0; i < MAX_FOOTPRINTS; i++) {
        Footprint *fp = &g_footprints[i];
        if (fp->life > 0.0f) {
            continue;
        }
        fp->x = matrix[12];
        fp->y = 0.0f;
        fp->z = matrix[14];
        fp->life = life;
        fp->colour = FOOTPRINT_COLOUR;
        fp->texture = texture;
        fp->size = size;
        const float column[3] = {matrix[0], matrix[1], matrix[2]};
        fp->angle = vec_heading(column) + FOOTPRINT_TURN;
        return;
    }
}

void footprint_emit(const Footprint *fp, float size, float angle, uint32_t colour, uint32_t handle)
{
    int first = 0;
    BatchVertex *v = zbatch_reserve(3, 1, &first);
    if (!v) {
        return;
    }
    float a = angle * DEG2RAD;
    float p = size * sinf(a);
    float q = size * cosf(a);
    // The texture square (u, v in 0..1) is the square of half-diagonal size round the
    // footprint; the clamped border fills the rest of the triangle.
    v[0] = {fp->x + p, fp->y, fp->z + q, 0.0f, 0.0f, colour};
    v[1] = {fp->x - p - 2.0f * q, fp->y, fp->z - q + 2.0f * p, 2.0f, 0.0f, colour};
    v[2] = {fp->x - p + 2.0f * q, fp->y, fp->z - q - 2.0f * p, 0.0f, 2.0f, colour};
    uint32_t n = (uint32_t)first;
    zbatch_add_face(n, n + 1, n + 2, handle, zbatch_bucket_of_height(fp->y));
}

// floor(2.56 x life) for a life in 0 .. 99, from the top mantissa bits of 1 + life / 100.
static uint32_t footprint_alpha(float life)
{
    float t = life * 0.01f + 1.0f;
    uint32_t bits;
    memcpy(&bits, &t, sizeof(bits));
    return (bits >> 15) & 0xff;
}

void footprint_draw(void)
{
    if (!g_footprints) {
        return;
    }
    for (int i = 0; i < MAX_FOOTPRINTS; i++) {
        Footprint *fp = &g_footprints[i];
        if (fp->life <= 0.0f) {
            continue;
        }
        uint32_t colour = fp->colour;
        if (fp->life < FOOTPRINT_FADE_LIFE) {
            colour = (colour & 0x00ffffffu) | footprint_alpha(fp->life) << 24;
        }
        uint32_t handle = g_footprint_handles[fp->texture ? 1 : 0];
        footprint_emit(fp, fp->size, fp->angle, colour, handle);
        fp->life -= g_frame_dt;
    }
}
