// particle_effect.h -- effect records for the particle tests, made in memory (no file).
#pragma once

#include "core/particle_file.h"
#include "render/tex.h"

constexpr uint32_t TEST_FX_HANDLE = TEX_OWNED | TEX_ADDITIVE | 5;

// A plain effect: one white particle a tick for ten seconds, at rest, living a second,
// size 1, every slot alike, no stages.
inline ParticleEmitter plain_effect()
{
    ParticleEmitter e{};
    for (int s = 0; s < PARTICLE_STAGES; s++) {
        e.rate[s] = 1.0f;
        e.size[s] = 1.0f;
        for (int c = 0; c < 4; c++) {
            e.colour[s][c] = 1.0f;
        }
    }
    for (float &t : e.stage_times) {
        t = 1000.0f;
    }
    e.life = 1.0f;
    e.fade = 1.0f;
    e.grow = 1.0f;
    e.uv_extent = 2.0f;
    e.duration = 10.0f;
    e.time_left = 10.0f;
    e.live_index = -1;
    e.texture = TEST_FX_HANDLE;
    return e;
}

// The plain effect flying along one axis (0 x, 1 y, 2 z) at speed.
inline ParticleEmitter directed_effect(int axis, float speed)
{
    ParticleEmitter e = plain_effect();
    e.direction[axis] = 1.0f;
    for (float &s : e.speed) {
        s = speed;
    }
    return e;
}
