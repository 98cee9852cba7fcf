// particle_fixture.h -- the set-up of the particle GL tests and pictures: the game's
// working folder in the generated tree (effects name their textures "../styles/bitmaps/..."),
// fresh holders, seeded generators, the default camera; a top-down camera and the floor's
// colour under the batch.
#pragma once

#include "tests/render/gl_fixture.h"

#include "core/mt.h"
#include "game/frame.h"
#include "render/camera.h"
#include "render/particle.h"

#include <GL/glu.h>
#include <cstdio>
#include <unistd.h>

class GlParticles : public GlScene {
protected:
    void SetUp() override
    {
        GlScene::SetUp();
        // The game's working directory in the generated tree: effects name their
        // textures "../styles/bitmaps/...".
        ASSERT_EQ(chdir(GLIMMERFALL_ASSETS "/run"), 0);
        snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "../styles/bitmaps/");
        snprintf(g_particles_dir, FILE_DIR_SIZE, "%s", "../styles/particles/");
        particle_init_holders();
        mt_seed(5);
        mt_draw_seed(5);
        camera_defaults();
        g_render_particles = 1.0f;
        g_particle_scale = 1.0f;
    }
    void TearDown() override
    {
        particle_info();
        g_particles_dir[0] = 0;
        g_frame_dt = 0.0f;
        g_camera = CameraState{};
        GlScene::TearDown();
    }
    // Top-down camera height h above the origin, the translucent pass's state.
    static void look_down_from(float h)
    {
        g_camera.pos[0] = 0.0f;
        g_camera.pos[1] = h;
        g_camera.pos[2] = 0.0f;
        camera_matrix();
        zgl_disable_depth_test();
        zgl_enable_blend();
        zgl_depth_mask_off();
    }
    // The batch drawn over the arena floor's colour.
    static void draw_on_the_floor()
    {
        glClearColor(0.09f, 0.10f, 0.13f, 1.0f);
        zgl_clear();
        zgl_enable_blend();
        zbatch_flush();
        zbatch_unlock_arrays();
        zgl_reset_draw_state();
    }
    static void window_of(const float p[3], double *x, double *y)
    {
        GLdouble mv[16], pr[16], wz;
        GLint vp[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, mv);
        glGetDoublev(GL_PROJECTION_MATRIX, pr);
        glGetIntegerv(GL_VIEWPORT, vp);
        gluProject(p[0], p[1], p[2], mv, pr, vp, x, y, &wz);
    }
    // A holder of the effect holding one still particle, emitting no more.
    static ParticleHolder *one_particle(const char *effect, const float pos[3], float size)
    {
        int t = particle_find_or_load(effect);
        if (t < 0) {
            return nullptr;
        }
        ParticleHolder *h = particle_start_at_bone(t, nullptr, nullptr);
        if (!h) {
            return nullptr;
        }
        h->time_left = 0.0f;
        Particle &p = h->particles[0];
        p = Particle{};
        for (int k = 0; k < 3; k++) {
            p.pos[k] = pos[k];
            h->position[k] = pos[k];
        }
        p.size = size;
        p.life = 1.0f;
        p.colour = 0xffffffffu;
        h->count = 1;
        h->write_index = 1;
        return h;
    }
};
