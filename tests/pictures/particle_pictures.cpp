// The particle effects' pictures: every generated effect's textures, review sheets of each
// effect at 0.03, 0.15 and 0.5 s at full and quarter amount, each effect alone, and
// several at once at the play camera's scale (build/screens/particles_*.png).

#include "tests/render/particle_fixture.h"

#include "assetgen/particles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using ParticlePictures = GlParticles;

struct Showing {
    const char *effect;
    float speed;      // units per tick the emitter's matrix moves along +x
    float start_x;
    int ownerless_detach;   // 1: the owner is destroyed a quarter second in
};

const Showing SHOWINGS[] = {
    {"ship_thrust", 0.3f, -8.0f, 0},   {"shield_shimmer", 0.0f, 0.0f, 0}, {"shot_trail", 0.8f, -20.0f, 0},
    {"enemy_shot_trail", 0.6f, -15.0f, 0}, {"muzzle_flash", 0.0f, 0.0f, 0}, {"enemy_muzzle_flash", 0.0f, 0.0f, 0},
    {"missile_smoke", 0.5f, -12.0f, 0}, {"hit_sparks", 0.0f, 0.0f, 0},    {"explosion_fire", 0.0f, 0.0f, 0},
    {"explosion_smoke", 0.0f, 0.0f, 0}, {"explosion_embers", 0.0f, 0.0f, 0}, {"emerge_dust", 0.0f, 0.0f, 0},
    {"submerge_dust", 0.0f, 0.0f, 0},  {"spawn_burst", 0.0f, 0.0f, 0},   {"powerup_glow", 0.0f, 0.0f, 0},
    {"powerup_pickup", 0.0f, 0.0f, 0}, {"beam_sparks", 0.0f, 0.0f, 0},   {"smartbomb_wave", 0.0f, 0.0f, 0},
    {"burning_wreck", 0.4f, -6.0f, 1},
};

// An enemy's matrix at heading 90 (forward along +x), at x.
void heading_x_matrix(float m[16], float x)
{
    const float cols[16] = {0, 0, 1, 0, -1, 0, 0, 0, 0, 1, 0, 0, x, 2.0f, 0, 1};
    std::copy(cols, cols + 16, m);
}

// A picture halved in each direction (rows from the bottom, as read back).
std::vector<uint8_t> halved(const std::vector<uint8_t> &rgb, int w, int h)
{
    std::vector<uint8_t> out((size_t)(w / 2) * (h / 2) * 3);
    for (int y = 0; y < h / 2; y++) {
        for (int x = 0; x < w / 2; x++) {
            for (int c = 0; c < 3; c++) {
                int sum = 0;
                for (int k = 0; k < 4; k++) {
                    sum += rgb[((size_t)(2 * y + k / 2) * w + 2 * x + k % 2) * 3 + c];
                }
                out[((size_t)y * (w / 2) + x) * 3 + c] = (uint8_t)(sum / 4);
            }
        }
    }
    return out;
}

TEST_F(ParticlePictures, EveryEffect)
{
    std::filesystem::create_directories(std::string(GLIMMERFALL_BINARY_DIR) + "/screens");
    // The textures, four times their size, side by side on the sheet's floor colour.
    {
        const std::vector<std::string> &textures = particle_texture_names();
        const int side = 64, zoom = 4, tw = side * zoom * (int)textures.size();
        std::vector<uint8_t> strip((size_t)tw * side * zoom * 3);
        for (size_t i = 0; i < textures.size(); i++) {
            int w = 0, h = 0, channels = 3;
            uint8_t *px = file_load_bmp(("../styles/bitmaps/" + textures[i]).c_str(), &w, &h, &channels);
            ASSERT_NE(px, nullptr) << textures[i];
            ASSERT_EQ(w, side);
            for (int y = 0; y < side * zoom; y++) {
                for (int x = 0; x < side * zoom; x++) {
                    // Rows from the bottom in the decoded picture.
                    const uint8_t *t = &px[((size_t)(side - 1 - y / zoom) * side + x / zoom) * 3];
                    uint8_t *o = &strip[((size_t)y * tw + i * side * zoom + x) * 3];
                    const float floor[3] = {23, 26, 33};
                    for (int c = 0; c < 3; c++) {
                        o[c] = (uint8_t)std::min(255.0f, floor[c] + t[c]);
                    }
                }
            }
            mem_free(px);
        }
        EXPECT_TRUE(png_write_rgb(std::string(GLIMMERFALL_BINARY_DIR) + "/screens/particles_textures.png", tw,
                                  side * zoom, strip));
    }
    std::vector<std::string> names;
    for (const ParticleEffect &e : particle_effects()) {
        names.push_back(e.name);
    }
    const int count = (int)(sizeof(SHOWINGS) / sizeof(SHOWINGS[0]));
    ASSERT_EQ((int)names.size(), count) << "every effect has a showing";
    // Review sheets: one row per effect, at 0.03, 0.15 and 0.5 s, at full and quarter
    // amount; rows from the top.
    const int snaps[3] = {3, 15, 50};
    const int cw = W / 2, ch = H / 2, rows_per_sheet = 7;
    for (float amount : {1.0f, 0.25f}) {
        std::vector<uint8_t> sheet;
        int sheet_rows = 0, sheet_number = 0;
        auto save_sheet = [&]() {
            if (sheet_rows == 0) {
                return;
            }
            std::string path = std::string(GLIMMERFALL_BINARY_DIR) + "/screens/particles_sheet" +
                               (amount < 1.0f ? "_q" : "") + std::to_string(++sheet_number) + ".png";
            EXPECT_TRUE(png_write_rgb(path, 3 * cw, sheet_rows * ch, sheet)) << path;
            sheet.clear();
            sheet_rows = 0;
        };
        for (const Showing &s : SHOWINGS) {
            particle_init_holders();
            mt_draw_seed(7);
            g_render_particles = amount;
            int t = particle_find_or_load(s.effect);
            ASSERT_GE(t, 0) << s.effect;
            float m[16];
            heading_x_matrix(m, s.start_x);
            static int owner;
            ASSERT_NE(particle_start_at_bone(t, m, &owner), nullptr);
            look_down_from(38.0f);
            g_frame_dt = 1.0f;
            sheet.resize((size_t)(sheet_rows + 1) * ch * 3 * cw * 3);
            for (int f = 1, snap = 0; f <= 50; f++) {
                zbatch_reset();
                m[12] += s.speed;
                if (s.ownerless_detach && f == 25) {
                    particle_detach_owner(&owner);
                }
                particle_update_draw();
                if (f != snaps[snap]) {
                    continue;
                }
                // Moving effects are framed round the middle of their trail.
                g_camera.pos[0] = m[12] - s.speed * 12.0f;
                camera_matrix();
                draw_on_the_floor();
                std::vector<uint8_t> cell = halved(gl_read_screen(W, H), W, H);
                for (int y = 0; y < ch; y++) {
                    uint8_t *row = &sheet[(((size_t)sheet_rows * ch + y) * 3 * cw + snap * cw) * 3];
                    std::copy_n(&cell[(size_t)(ch - 1 - y) * cw * 3], cw * 3, row);
                }
                snap++;
            }
            if (amount == 1.0f) {
                gl_save_screen(std::string("particles_") + s.effect, W, H);
            }
            if (++sheet_rows == rows_per_sheet) {
                save_sheet();
            }
        }
        save_sheet();
    }
    g_render_particles = 1.0f;
}

// Several effects at once as the player sees them: the camera at the height where a unit
// of floor is 8 pixels, as at 1024 x 768 in play.
TEST_F(ParticlePictures, SeveralAtThePlayCamerasScale)
{
    struct Placed {
        const char *effect;
        float x, z, speed;
        int start_frame;
    };
    const Placed scene[] = {
        {"explosion_fire", -18, 8, 0, 20},     {"explosion_smoke", -18, 8, 0, 20},
        {"explosion_embers", -18, 8, 0, 20},   {"burning_wreck", -17, 9, 0, 20},
        {"emerge_dust", 14, 12, 0, 30},        {"spawn_burst", 22, -12, 0, 12},
        {"shot_trail", -30, -10, 0.9f, 25},    {"shot_trail", -34, -6, 0.9f, 28},
        {"enemy_shot_trail", 30, 2, -0.6f, 20}, {"missile_smoke", -25, -20, 0.5f, 5},
        {"enemy_muzzle_flash", 5, 0, 0, 47},   {"hit_sparks", 0, -18, 0, 44},
        {"shield_shimmer", -5, 18, 0, 10},     {"ship_thrust", -5, 18, 0.0f, 0},
        {"powerup_glow", 20, 20, 0, 0},        {"beam_sparks", 8, -25, 0, 30},
    };
    int count = (int)(sizeof(scene) / sizeof(scene[0]));
    std::vector<std::array<float, 16>> matrices((size_t)count);
    std::vector<int> templates;
    for (const Placed &p : scene) {
        templates.push_back(particle_find_or_load(p.effect));
        ASSERT_GE(templates.back(), 0) << p.effect;
    }
    static int owner;
    const float height = (float)H / 8.0f / (2.0f * std::tan(22.5f * 0.017453292f));
    look_down_from(height);
    g_frame_dt = 1.0f;
    for (int f = 0; f <= 50; f++) {
        zbatch_reset();
        for (int i = 0; i < count; i++) {
            float *m = matrices[(size_t)i].data();
            if (f == scene[i].start_frame) {
                heading_x_matrix(m, scene[i].x);
                m[14] = scene[i].z;
                particle_start_at_bone(templates[(size_t)i], m, &owner);
            }
            m[12] += scene[i].speed;
        }
        particle_update_draw();
    }
    draw_on_the_floor();
    gl_save_screen("particles_play_scale", W, H);
}

}  // namespace
