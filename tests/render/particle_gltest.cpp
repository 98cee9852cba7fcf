// Particles on screen: one particle of the generated dot effect lands where the camera
// projects it and stays inside its square; a particle big on screen is drawn as that
// square, with the picture of its triangle, and a small one as the triangle; an emitter
// out of view draws nothing. (The gallery of every effect is the picture tool's:
// tests/pictures/particle_pictures.cpp.)

#include "tests/render/particle_fixture.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

TEST_F(GlParticles, OneDotLandsOnItsProjectedPointInsideItsSquare)
{
    look_down_from(g_camera_height);
    const float pos[3] = {12.0f, 4.0f, -7.0f};
    const float size = 3.0f;
    ASSERT_NE(one_particle("shot_trail", pos, size), nullptr);
    EXPECT_NE(g_particle_live[0]->texture_record->colour, nullptr);
    clear_to(0.0f, 0.0f, 0.0f);
    g_frame_dt = 1.0f;
    particle_update_draw();
    EXPECT_EQ(g_batch_face_count, 2) << "68 pixels across on a texture with a clear border: drawn as its square";
    zbatch_flush();
    zbatch_unlock_arrays();
    gl_save_screen("particles_one_dot", W, H);

    double px, py;
    window_of(pos, &px, &py);
    // The square's corners on screen (angle 0: p +- size along x and z).
    double cx[4], cy[4];
    const float corners[4][3] = {{pos[0] + size, pos[1], pos[2]},
                                 {pos[0], pos[1], pos[2] + size},
                                 {pos[0] - size, pos[1], pos[2]},
                                 {pos[0], pos[1], pos[2] - size}};
    for (int i = 0; i < 4; i++) {
        window_of(corners[i], &cx[i], &cy[i]);
    }
    // Inside the projected diamond, with a pixel of slack for filtering at its edge.
    auto inside = [&](double x, double y) {
        int sign = 0;
        for (int i = 0; i < 4; i++) {
            int j = (i + 1) % 4;
            double ex = cx[j] - cx[i], ey = cy[j] - cy[i];
            double len = std::hypot(ex, ey);
            double d = (ex * (y - cy[i]) - ey * (x - cx[i])) / len;
            int s = d > 0 ? 1 : -1;
            if (sign == 0) {
                sign = s;
            }
            if (s != sign && std::fabs(d) > 1.5) {
                return false;
            }
        }
        return true;
    };
    std::vector<uint8_t> screen = gl_read_screen(W, H);
    int best = -1, bx = 0, by = 0, outside_lit = 0;
    for (int y = 0; y < H; y++) {
        for (int x = 0; x < W; x++) {
            const uint8_t *p = &screen[((size_t)y * W + x) * 3];
            int v = p[0] + p[1] + p[2];
            if (v > best) {
                best = v;
                bx = x;
                by = y;
            }
            if (v > 6 && !inside(x + 0.5, y + 0.5)) {
                outside_lit++;
            }
        }
    }
    EXPECT_GT(best, 600) << "a bright core";
    EXPECT_LE(std::hypot(bx + 0.5 - px, by + 0.5 - py), 2.0) << "brightest at " << bx << "," << by << ", projected "
                                                             << px << "," << py;
    EXPECT_EQ(outside_lit, 0) << "pixels lit beyond the particle's square";
}

TEST_F(GlParticles, BigParticleIsItsSquareWithTheTrianglesPictureAndASmallOneStaysATriangle)
{
    look_down_from(g_camera_height);
    // A cover (smoke) and a glow (additive), turned, in the middle and off to the side.
    for (const char *effect : {"explosion_smoke", "shot_trail"}) {
        const float pos[3] = {-9.0f, 2.0f, 14.0f};
        ParticleHolder *h = one_particle(effect, pos, 6.0f);
        ASSERT_NE(h, nullptr) << effect;
        ASSERT_GT(h->texture_record->clear_border, 0) << effect << ": the generated pictures keep a clear border";
        Particle *p = &h->particles[0];
        std::vector<uint8_t> shots[3];   // the floor alone, the triangle, the square
        for (int way = 0; way < 3; way++) {
            zbatch_reset();
            if (way == 1) {
                particle_add_face(p, 6.0f, 37.0f, h->uv_extent, 0xc0ffffffu, h->texture);
            } else if (way == 2) {
                particle_add_square(p, 6.0f, 37.0f, h->uv_extent, 0xc0ffffffu, h->texture);
            }
            draw_on_the_floor();
            shots[way] = gl_read_screen(W, H);
        }
        int differ = 0, lit = 0;
        for (size_t i = 0; i < shots[0].size(); i++) {
            differ += std::abs((int)shots[1][i] - (int)shots[2][i]) > 2;
            lit += shots[1][i] != shots[0][i];
        }
        EXPECT_GT(lit, 2000) << effect << " draws";
        EXPECT_EQ(differ, 0) << effect << ": the square draws what the triangle draws";
        particle_info();
        particle_init_holders();
    }
    // Through the step: big on screen two faces, small one.
    const float pos[3] = {3.0f, 1.0f, -4.0f};
    for (float size : {2.5f, 0.3f}) {
        ASSERT_NE(one_particle("explosion_smoke", pos, size), nullptr);
        zbatch_reset();
        g_frame_dt = 1.0f;
        particle_update_draw();
        EXPECT_EQ(g_batch_face_count, size > 1.0f ? 2 : 1) << size;
        particle_info();
        particle_init_holders();
    }
}

TEST_F(GlParticles, EmitterOutOfViewAgesItsParticlesAndAddsNoFace)
{
    look_down_from(g_camera_height);
    const float far[3] = {900.0f, 4.0f, 900.0f};
    ParticleHolder *h = one_particle("shot_trail", far, 2.0f);
    ASSERT_NE(h, nullptr);
    g_frame_dt = 3.0f;
    particle_update_draw();
    EXPECT_EQ(g_batch_face_count, 0);
    EXPECT_FLOAT_EQ(h->particles[0].life, 1.0f - 0.03f);
    EXPECT_EQ(h->count, 1);
}

}  // namespace
