// Beams on screen, from the generated tree: a ring of pylons joined by their fence, a
// beemspider in the middle strung to every pylon by the rule of its type, drawn as the
// frame draws the world (build/screens/beams.png); and a long beam whose middle is out of
// view is still drawn where it crosses the view.

#include "tests/render/gl_fixture.h"

#include "core/mathlib.h"
#include "game/frame.h"
#include "render/camera.h"
#include "render/model.h"

#include "tests/support/model_scene.h"
#include "tests/support/world_cleanup.h"
#include "tests/world/tree_arena.h"

#include <cmath>
#include <unistd.h>

namespace {

const int BG[3] = {18, 20, 30};

class GlBeams : public GlScene {
protected:
    void SetUp() override
    {
        GlScene::SetUp();
        ASSERT_EQ(chdir(GLIMMERFALL_ASSETS "/run"), 0);
        // From the tree's run folder, as the game names its folders.
        snprintf(saved_styles, sizeof(saved_styles), "%s", g_styles_dir);
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", "../styles/");
        snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "../styles/bitmaps/");
        camera_defaults();
        g_frame_dt = 0.01f;
        // Level tick 0: enemies stay where they emerge.
        tree_arena_begin(101, 0, {"actor.lua", "pylon-1_2.lua", "fencefizz-1_1.lua", "beemspider_1.lua"});
        EXPECT_EQ(log.script_errors(), 0) << log.joined();
    }
    void TearDown() override
    {
        lua_close(g_lua);
        g_lua = nullptr;
        world_cleanup_level();
        g_camera = CameraState{};
        g_frame_dt = 0.0f;
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", saved_styles);
        ASSERT_EQ(chdir(dir.path().c_str()), 0);
        GlScene::TearDown();
    }
    // Upright, looking along world -z, pitched down, distance away from (x, y, z).
    static void look_at(float x, float y, float z, float pitch, float distance)
    {
        g_camera.roll = g_camera.yaw = 0.0f;
        g_camera.pitch = pitch;
        camera_matrix();
        const float target[3] = {x, y, z};
        for (int k = 0; k < 3; k++) {
            g_camera.pos[k] = target[k] + distance * g_camera.world[8 + k];
        }
        camera_matrix();
    }
    // The world pass as the frame draws it: enemies (unless beams_only) and beams, then
    // the blended faces.
    static void draw(bool beams_only = false)
    {
        glClearColor(BG[0] / 255.0f, BG[1] / 255.0f, BG[2] / 255.0f, 1.0f);
        zgl_clear();
        zgl_set_camera_matrix();
        zgl_enable_cull_face();
        zgl_enable_depth_test();
        if (!beams_only) {
            beasties_draw_all();
        }
        fizz_draw_all();
        zgl_disable_cull_face();
        zgl_enable_blend();
        zgl_depth_mask_off();
        zbatch_flush();
        zbatch_unlock_arrays();
        zgl_reset_draw_state();
    }
    // Pixels clearly brighter than the background.
    static int bright_pixels()
    {
        std::vector<uint8_t> px = gl_read_screen(W, H);
        int n = 0;
        for (size_t i = 0; i < px.size(); i += 3) {
            n += px[i] + px[i + 1] + px[i + 2] > BG[0] + BG[1] + BG[2] + 150;
        }
        return n;
    }
    char saved_styles[FILE_DIR_SIZE];
};

TEST_F(GlBeams, APylonRingWithItsFenceAndASpidersStrands)
{
    const int n = 8;
    const float ring = 24.0f;
    for (int k = 0; k < n; k++) {
        float a = (float)k * 2.0f * 3.14159265f / (float)n;
        std::string name = "p" + std::to_string(k);
        tree_arena_launch("pylon-1_2", name.c_str(), ring * std::sin(a), ring * std::cos(a), 0.0f);
    }
    Beastie *spider = tree_arena_launch("beemspider_1", "", 0.0f, 0.0f, 30.0f);
    ASSERT_NE(spider, nullptr);
    beasties_update_all();
    for (int k = 0; k < n; k++) {
        std::string a = "p" + std::to_string(k), b = "p" + std::to_string((k + 1) % n);
        fizz_add_to_room("fencefizz-1_1", a.c_str(), "top_x", b.c_str(), "top_x", 100, 0);
    }
    spider->hit_clock = -1.0f;
    for (int t = 0; t < 60; t++) {
        beasties_update_all();
        spider->hit_clock = -1.0f;   // hittable while it emerges
        fizz_rules_tick();
        fizz_update_all();
    }
    int fences = 0, strands = 0;
    for (const Fizz *f = g_fizz; f; f = f->next) {
        fences += f->flags == FIZZ_ROOM_BEAM;
        strands += f->flags == (FIZZ_RULE_BEAM | FIZZ_BARRIER);
        EXPECT_EQ(f->strength, 1.0f);
    }
    EXPECT_EQ(fences, n);
    EXPECT_EQ(strands, n) << "every pylon 10 to 30 units from the spider";

    look_at(0.0f, 0.0f, 0.0f, -55.0f, 80.0f);
    draw();
    gl_save_screen("beams", W, H);
    EXPECT_GT(bright_pixels(), 6000);
}

TEST_F(GlBeams, ALongBeamIsCulledByItsStretchedSphere)
{
    Beastie *a = tree_arena_launch("pylon-1_2", "a", -60.0f, 0.0f, 0.0f);
    Beastie *b = tree_arena_launch("pylon-1_2", "b", 45.0f, 0.0f, 0.0f);   // within the longest a beam stays
    ASSERT_TRUE(a && b);
    beasties_update_all();
    fizz_add_to_room("fencefizz-1_1", "a", "top_x", "b", "top_x", 100, 0);
    ASSERT_NE(g_fizz, nullptr);
    for (int t = 0; t < 60; t++) {
        fizz_update_all();
    }
    ASSERT_NE(g_fizz, nullptr);
    look_at(-55.0f, 0.0f, 0.0f, -55.0f, 60.0f);
    EXPECT_EQ(frustum_sphere_visible(g_fizz->position, g_fizz->radius), 0) << "its middle is out of view";
    draw(true);
    EXPECT_GT(bright_pixels(), 200) << "drawn where it crosses the view";
    gl_save_screen("beam_long", W, H);
}

}  // namespace
