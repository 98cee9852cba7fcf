// The shots as the game draws them: turrets of the generated tree around a ship fire the
// turret's shot at it; after two and a half seconds of the weapons and the bullet pass, the
// enemies, the ship and the bullets (with the enemy shots' shadow sprites) are drawn under
// the play camera and closer (build/screens/shots_in_play.png, shots_in_play_close.png).

#include "tests/render/gl_fixture.h"
#include "tests/support/world_cleanup.h"
#include "tests/world/gunner_types.h"

#include "core/mathlib.h"
#include "core/mt.h"
#include "game/frame.h"
#include "game/level_driver.h"
#include "render/camera.h"
#include "render/footprint.h"
#include "render/hudgfx.h"
#include "render/model.h"
#include "script/lua_adapter.h"
#include "script/lua_host.h"
#include "world/bullet.h"

#include <cmath>
#include <unistd.h>

namespace {

constexpr uint8_t BG[3] = {0, 0, 60};

class ShotsInPlay : public GlScene {
protected:
    void SetUp() override
    {
        GlScene::SetUp();
        snprintf(saved_styles, sizeof(saved_styles), "%s", g_styles_dir);
        snprintf(saved_explosions, sizeof(saved_explosions), "%s", g_explosions_dir);
        ASSERT_EQ(chdir(GLIMMERFALL_ASSETS "/run"), 0);
        snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "../styles/bitmaps/");
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", "../styles/");
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", "../styles/explosions/");
        mt_seed(515u);
        camera_defaults();
        g_frame_dt = 0.0f;
        camera_matrix();
        hudgfx_load();
        actortype_reset();
        gamer_reset_globals();
        beasties_reset();
        bullet_reset();
        g_level_ticks = 1;
        g_level_playing = 1;
        g_ticks_left = 1;
        g_speed_factor = 1.0f;
        g_lua = lua_open(0);
        lua_register_all();
        lua_run_mem_script("actor.lua");
        ASSERT_EQ(lua_dobuffer(g_lua, GUNNER_TYPES, strlen(GUNNER_TYPES), "shots"), 0);
    }
    void TearDown() override
    {
        lua_close(g_lua);
        g_lua = nullptr;
        world_cleanup_level();
        footprint_free();
        hudgfx_forget_textures();
        g_hit_texture_handle = 0;
        g_level_playing = 0;
        g_level_ticks = 0;
        g_camera = CameraState{};
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", saved_styles);
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", saved_explosions);
        ASSERT_EQ(chdir(dir.path().c_str()), 0);
        GlScene::TearDown();
    }
    // The world as the frame draws it: enemies, ships, bullets, then the face batch.
    static void frame(bool with_bullets)
    {
        glClearColor(BG[0] / 255.0f, BG[1] / 255.0f, BG[2] / 255.0f, 1.0f);
        zgl_clear();
        zgl_set_camera_matrix();
        zgl_enable_depth_test();
        zgl_enable_cull_face();
        beasties_draw_all();
        gamer_draw_all();
        if (with_bullets) {
            bullet_draw_all();
        }
        zgl_disable_cull_face();
        zgl_enable_blend();
        zgl_depth_mask_off();
        zbatch_flush();
        zbatch_unlock_arrays();
        zgl_reset_draw_state();
    }
    static int drawn_pixels(const std::vector<uint8_t> &px)
    {
        int n = 0;
        for (size_t i = 0; i < px.size(); i += 3) {
            n += px[i] != BG[0] || px[i + 1] != BG[1] || px[i + 2] != BG[2];
        }
        return n;
    }
    char saved_styles[FILE_DIR_SIZE];
    char saved_explosions[FILE_DIR_SIZE];
};

TEST_F(ShotsInPlay, TurretsFireTheirShotsAtTheShip)
{
    float eye[3];
    camera_position(eye);
    Gamer *ship = new Gamer;
    const float centre[3] = {eye[0], 0.0f, eye[2]};
    ASSERT_EQ(gamer_init(ship, actortype_find("gunner_ship"), centre, 1.0f, 0.0f), 0);
    for (int i = 0; i < 7; i++) {
        float a = (float)i * 0.9f + 0.3f;
        const float pos[3] = {eye[0] + 34.0f * sinf(a), 0.0f, eye[2] + 26.0f * cosf(a)};
        Beastie *b = new Beastie;
        ASSERT_EQ(beastie_init(b, "", pos, 1.0f, 0.0f, 0.0f, 0.0f, actortype_find("gunner"), nullptr), 0);
        beastie_start(b, 0, 0);
    }
    int fired = 0;
    for (int t = 0; t < 260; t++) {
        int before = g_bullet_count;
        g_level_ticks++;
        beasties_update_all();
        fired += g_bullet_count > before;
        bullet_update_all();
        // The ship takes the hits and stays: the turrets keep it as their target.
        ship->energy = 1.0f;
    }
    EXPECT_GE(fired, 10) << "the turrets fire again and again";
    ASSERT_GE(g_bullet_count, 5);
    // The shaft turns to the ship over its aim delay: the shots in flight head for it.
    int flying = 0, on_course = 0;
    for (const Bullet *b = g_bullets; b; b = b->next) {
        if (b->life == BULLET_FLYING) {
            float to_ship = atan2f(eye[0] - b->position[0], eye[2] - b->position[2]) * RAD2DEG;
            flying++;
            on_course += fabsf(angle_wrap180(b->heading - to_ship)) < 20.0f;
        }
    }
    EXPECT_GE(on_course * 5, flying * 4) << on_course << " of " << flying;
    frame(false);
    int without = drawn_pixels(gl_read_screen(W, H));
    frame(true);
    gl_save_screen("shots_in_play", W, H);
    int with = drawn_pixels(gl_read_screen(W, H));
    EXPECT_GT(with, without + 20 * g_bullet_count) << "the shots and their shadows on the screen";

    // Closer, from the side of one turret, looking down at 50 degrees.
    g_camera.roll = 0.0f;
    g_camera.pitch = -50.0f;
    g_camera.yaw = 0.0f;
    camera_matrix();
    const float target[3] = {eye[0] + 12.0f, 0.0f, eye[2] + 8.0f};
    for (int k = 0; k < 3; k++) {
        g_camera.pos[k] = target[k] + 40.0f * g_camera.world[8 + k];
    }
    camera_matrix();
    frame(true);
    gl_save_screen("shots_in_play_close", W, H);
}

}  // namespace
