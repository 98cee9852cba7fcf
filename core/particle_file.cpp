// particle_file.cpp -- the particle emitter file reader: fields decoded one by one at
// their offsets, so no byte of the file lands in a pointer or a run-time counter.

#include "core/particle_file.h"

#include "core/con.h"
#include "core/file.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "core/str.h"

#include <cmath>
#include <cstdio>
#include <cstring>

// Offsets in the file.
constexpr int PF_BOX = 0;
constexpr int PF_DIRECTION = 48;
constexpr int PF_SPREAD = 96;
constexpr int PF_SPEED = 112;
constexpr int PF_SPEED_VAR = 128;
constexpr int PF_SPIN = 144;
constexpr int PF_SPIN_VAR = 160;
constexpr int PF_RATE = 176;
constexpr int PF_LIFE = 192;
constexpr int PF_FADE = 196;
constexpr int PF_LIFE_VAR = 200;
constexpr int PF_SIZE = 216;
constexpr int PF_SIZE_VAR = 232;
constexpr int PF_GROW = 248;
constexpr int PF_COLOUR = 252;
constexpr int PF_COLOUR_VAR = 316;
constexpr int PF_POSITION = 380;
constexpr int PF_RISE = 396;
constexpr int PF_STAGE_TIMES = 404;
constexpr int PF_DURATION = 420;
constexpr int PF_GRAVITY = 428;
constexpr int PF_UV_EXTENT = 432;
constexpr int PF_FLAGS = 448;
constexpr int PF_TEXTURE_FLAGS = 552;
constexpr int PF_TEXTURE_COLOUR = 556;
constexpr int PF_TEXTURE_MASK = 620;

static uint32_t pf_word(const uint8_t *data, int offset)
{
    const uint8_t *p = data + offset;
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

// Reads n floats from offset; 0 (logged) when one is not finite, since later steps
// convert them to integers.
static int pf_floats(const uint8_t *data, int offset, float *dest, int n, const char *path)
{
    for (int i = 0; i < n; i++) {
        uint32_t bits = pf_word(data, offset + 4 * i);
        float f;
        memcpy(&f, &bits, 4);
        if (!std::isfinite(f)) {
            con_printf("*** [particle] %s: the number at offset %d is not finite", path, offset + 4 * i);
            return 0;
        }
        dest[i] = f;
    }
    return 1;
}

static void pf_name(char dst[PARTICLE_NAME_SIZE], const uint8_t *src)
{
    size_t len = strnlen((const char *)src, PARTICLE_NAME_SIZE - 1);
    memcpy(dst, src, len);
    dst[len] = 0;
    str_fix_slashes(dst);
}

int particle_parse(const uint8_t *data, int size, const char *path, ParticleEmitter *emitter)
{
    if (!path) {
        path = "(null)";
    }
    if (!data || size < PARTICLE_FILE_SIZE) {
        con_printf("*** particle file too small %s", path);
        return 0;
    }
    ParticleEmitter e{};
    int ok = pf_floats(data, PF_BOX, &e.box[0][0], 12, path) && pf_floats(data, PF_DIRECTION, e.direction, 3, path) &&
             pf_floats(data, PF_SPREAD, e.spread, 4, path) && pf_floats(data, PF_SPEED, e.speed, 4, path) &&
             pf_floats(data, PF_SPEED_VAR, e.speed_var, 4, path) && pf_floats(data, PF_SPIN, e.spin, 4, path) &&
             pf_floats(data, PF_SPIN_VAR, e.spin_var, 4, path) && pf_floats(data, PF_RATE, e.rate, 4, path) &&
             pf_floats(data, PF_LIFE, &e.life, 1, path) && pf_floats(data, PF_FADE, &e.fade, 1, path) &&
             pf_floats(data, PF_LIFE_VAR, e.life_var, 4, path) && pf_floats(data, PF_SIZE, e.size, 4, path) &&
             pf_floats(data, PF_SIZE_VAR, e.size_var, 4, path) && pf_floats(data, PF_GROW, &e.grow, 1, path) &&
             pf_floats(data, PF_COLOUR, &e.colour[0][0], 16, path) &&
             pf_floats(data, PF_COLOUR_VAR, &e.colour_var[0][0], 16, path) &&
             pf_floats(data, PF_POSITION, e.position, 3, path) && pf_floats(data, PF_RISE, &e.rise, 1, path) &&
             pf_floats(data, PF_STAGE_TIMES, e.stage_times, 4, path) &&
             pf_floats(data, PF_DURATION, &e.duration, 1, path) && pf_floats(data, PF_GRAVITY, &e.gravity, 1, path) &&
             pf_floats(data, PF_UV_EXTENT, &e.uv_extent, 1, path);
    if (!ok) {
        return 0;
    }
    e.flags = pf_word(data, PF_FLAGS);
    // The file's words at the run-time offsets (credit, live index, pointers, ring
    // counters) belong to whatever wrote it; a new emitter starts empty.
    e.time_left = e.duration;
    e.live_index = -1;
    e.texture_flags = pf_word(data, PF_TEXTURE_FLAGS);
    pf_name(e.texture_colour, data + PF_TEXTURE_COLOUR);
    pf_name(e.texture_mask, data + PF_TEXTURE_MASK);
    *emitter = e;
    return 1;
}

// A file colour as a byte for the hue rotation; values outside 0..255 are clamped.
static uint8_t pf_colour_byte(float v)
{
    if (!(v > 0.0f)) {
        return 0;
    }
    if (v >= 255.0f) {
        return 255;
    }
    return (uint8_t)(int)v;
}

void particle_prepare_colours(ParticleEmitter *emitter)
{
    if (g_preload_hue != 0.0f) {
        uint8_t rgb[2 * PARTICLE_STAGES][3];
        for (int s = 0; s < PARTICLE_STAGES; s++) {
            for (int c = 0; c < 3; c++) {
                rgb[s][c] = pf_colour_byte(emitter->colour[s][c]);
                rgb[PARTICLE_STAGES + s][c] = pf_colour_byte(emitter->colour_var[s][c]);
            }
        }
        g_file_imports.hue_set_angle(g_preload_hue);
        g_file_imports.hue_apply_rgb(&rgb[0][0], 2 * PARTICLE_STAGES, 3, 0);
        for (int s = 0; s < PARTICLE_STAGES; s++) {
            for (int c = 0; c < 3; c++) {
                emitter->colour[s][c] = rgb[s][c];
                emitter->colour_var[s][c] = rgb[PARTICLE_STAGES + s][c];
            }
        }
    }
    for (int s = 0; s < PARTICLE_STAGES; s++) {
        for (int c = 0; c < 4; c++) {
            emitter->colour[s][c] *= PARTICLE_COLOUR_SCALE;
            emitter->colour_var[s][c] *= PARTICLE_COLOUR_SCALE;
        }
    }
}

int particle_load(const char *name, ParticleEmitter *emitter)
{
    if (!name || !emitter) {
        return 0;
    }
    char path[512];
    int len = snprintf(path, sizeof(path), "%s%s.bin", g_particles_dir, name);
    if (len < 0 || len >= (int)sizeof(path) || file_exists_size(path) < 1) {
        con_printf("*** [particle] %s doesnt exist", name);
        return 0;
    }
    int size = 0;
    uint8_t *file = file_load(path, &size);
    if (!file) {
        return 0;
    }
    int ok = particle_parse(file, size, path, emitter);
    mem_free(file);
    if (!ok) {
        return 0;
    }
    str_copy64(emitter->name, name);
    particle_prepare_colours(emitter);
    char colour[MODEL_NAME_SIZE];
    char mask[MODEL_NAME_SIZE];
    int count = 0;
    g_file_imports.texture_find_or_load(model_texture_arg(colour, emitter->texture_colour), emitter->texture_flags,
                                        &emitter->texture_record, &count,
                                        model_texture_arg(mask, emitter->texture_mask), 0.0f, 0);
    emitter->texture = g_file_imports.texture_record_handle(emitter->texture_record);
    return 1;
}
