// The player's ship as the game draws it, from the real player scripts and models: hull
// and turret turned apart, the spinner and the shield up, its glow ring, under the play
// camera and close at three-quarter view (build/screens/ship_arena_top.png,
// ship_arena_3q.png, ship_arena_hull.png).

#include "tests/render/gl_fixture.h"

#include "core/file.h"
#include "core/mt.h"
#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "platform/input.h"
#include "render/batch.h"
#include "render/camera.h"
#include "render/footprint.h"
#include "render/hudgfx.h"
#include "render/tex.h"
#include "render/zgl.h"
#include "script/lua_host.h"
#include "world/gamer.h"

#include "tests/script/lua_test_support.h"
#include "tests/world/player_scripts.h"

#include <cstring>
#include <unistd.h>

namespace {

constexpr float BG[3] = {0.05f, 0.05f, 0.12f};

class GlShip : public GlScene {
protected:
    void SetUp() override
    {
        GlScene::SetUp();
        ASSERT_EQ(chdir(GLIMMERFALL_ASSETS "/run"), 0);
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", "../styles/");
        snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "../styles/bitmaps/");
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", "../styles/explosions/");
        hudgfx_load();
        // The camera draws its side at its start: the generator's own first seed, so the
        // controls turn the same way whatever ran before.
        mt_seed(5489);
        camera_defaults();
        g_frame_dt = 1.0f;
        camera_matrix();
        g_two_player = 0;
        game_reset();
        actortype_reset();
        gamer_reset_globals();
        memset(g_player_input, 0, sizeof(g_player_input));
        player_scripts_open();
    }
    void TearDown() override
    {
        player_scripts_close();
        footprint_free();
        hudgfx_forget_textures();
        memset(g_player_input, 0, sizeof(g_player_input));
        g_level_ticks = 0;
        g_camera = CameraState{};
        g_frame_dt = 0.0f;
        ASSERT_EQ(chdir(dir.path().c_str()), 0);
        GlScene::TearDown();
    }
    // The world pass of one frame with the ships and their rings.
    static void frame()
    {
        glClearColor(BG[0], BG[1], BG[2], 1.0f);
        zgl_clear();
        zgl_set_camera_matrix();
        zgl_enable_depth_test();
        zgl_enable_cull_face();
        gamer_draw_all();
        zgl_disable_cull_face();
        zgl_enable_blend();
        zgl_depth_mask_off();
        zbatch_flush();
        gamer_draw_rings();
        zbatch_unlock_arrays();
        zgl_reset_draw_state();
    }
    static int drawn_pixels(const std::vector<uint8_t> &px)
    {
        int n = 0;
        for (size_t i = 0; i < px.size(); i += 3) {
            n += px[i] > 40 || px[i + 1] > 40 || px[i + 2] > 60;
        }
        return n;
    }
};

TEST_F(GlShip, TheShipWithSpinnerAndShieldInTheArena)
{
    float eye[3];
    camera_position(eye);
    Gamer *g = new Gamer;
    const float at[3] = {eye[0], 0.0f, eye[2]};
    ASSERT_EQ(gamer_init(g, actortype_find("player_1"), at, 1.0f, 0.0f), 0);
    ASSERT_TRUE(g->hull.on && g->spinner.on && g->shield.on);
    g->shield_timer = 1.0f;
    g->spinner_timer = 3.0f;
    // Flying toward +x, aiming toward -z.
    g_level_ticks = 10;
    PlayerInput *in = &g_player_input[0];
    in->move[0] = 0.6f;
    in->fire[1] = 1.0f;
    for (int i = 0; i < 30; i++) {
        g_level_ticks++;
        gamer_update_all();
    }
    EXPECT_NEAR(g->move_heading, 90.0f, 1.0f);
    EXPECT_NEAR(g->aim_heading, 180.0f, 1.0f);

    // The play camera above the ship.
    g_camera.pos[0] = g->position[0];
    g_camera.pos[2] = g->position[2];
    camera_matrix();
    frame();
    gl_save_screen("ship_arena_top", W, H);
    EXPECT_GT(drawn_pixels(gl_read_screen(W, H)), 600) << "ship, shield and ring under the play camera";

    // Close at three-quarter view.
    g_camera.roll = 0.0f;
    g_camera.pitch = -35.0f;
    g_camera.yaw = 0.0f;
    camera_matrix();
    for (int k = 0; k < 3; k++) {
        g_camera.pos[k] = g->position[k] + 16.0f * g_camera.world[8 + k];
    }
    camera_matrix();
    frame();
    gl_save_screen("ship_arena_3q", W, H);
    EXPECT_GT(drawn_pixels(gl_read_screen(W, H)), 20000) << "the close ship fills a good part of the picture";

    // Shield and spinner gone: hull and turret alone, closer.
    g->shield_timer = 0.0f;
    g->spinner_timer = 0.0f;
    for (int k = 0; k < 3; k++) {
        g_camera.pos[k] = g->position[k] + 9.0f * g_camera.world[8 + k];
    }
    camera_matrix();
    frame();
    gl_save_screen("ship_arena_hull", W, H);
    EXPECT_GT(drawn_pixels(gl_read_screen(W, H)), 10000);
}

}  // namespace
