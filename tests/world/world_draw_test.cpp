// The world's draw loops hand their actors to the mesh drawing under the lists' rules:
// enemies of both lists unless removed or waiting to launch, a hit ending a fade-in;
// beams above strength 0.02; ships with energy; bullets flying or dying. Counted through the opaque faces the
// drawing hands on (GL itself is not up).

#include "core/mem.h"
#include "render/batch.h"
#include "render/camera.h"
#include "render/model.h"
#include "render/tex.h"
#include "tests/render/model_files.h"
#include "tests/support/log_capture.h"
#include "world/beastie.h"
#include "world/bullet.h"
#include "world/fizz.h"
#include "world/gamer.h"

#include <gtest/gtest.h>

namespace {

class WorldDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        use_test_bitmaps();
        zgl_texture_init();
        zbatch_alloc();
        write_flat_bitmap(dir, "a.bmp", 8, 8, 200, 100, 50);
        AnimFile anim = one_bone_anim(0);
        // One quad facing +z (the camera looks at it from there): 2 faces a draw.
        set = model_test_write_and_load(dir, "quad", anim, flat_mesh({0}, {texture_entry("a.bmp", 0x08010000u)}));
        ASSERT_TRUE(set && set->model);
        g_camera = CameraState{};
        g_camera.pos[2] = 100.0f;
    }
    void TearDown() override
    {
        g_beasties = g_ground_beasties = nullptr;
        g_fizz = nullptr;
        g_gamers = nullptr;
        g_bullets = nullptr;
        anim_set_destroy(set);
        zbatch_free();
        file_free_textures();
        g_camera = CameraState{};
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
        g_bitmaps_dir[0] = 0;
    }
    // An actor of the set standing at the origin, its matrices built.
    void stand(Actor *a)
    {
        ASSERT_EQ(actor_setup_skeleton(a, set, 0, 0, 0), 0);
        for (int k = 0; k < 16; k++) {
            a->anim.matrices[k] = (k % 5 == 0) ? 1.0f : 0.0f;
        }
        anim_build_matrices(&a->anim);
    }
    // Faces the drawing handed on during f.
    template <typename F> static int faces_drawn(F f)
    {
        int before = g_model_faces_drawn;
        f();
        return g_model_faces_drawn - before;
    }
    TempDir dir{true};
    LogCapture log;
    AnimSet *set = nullptr;
};

TEST_F(WorldDraw, EnemiesOfBothListsUnlessRemovedOrWaiting)
{
    Beastie live, removed, waiting, ground;
    for (Beastie *b : {&live, &removed, &waiting, &ground}) {
        stand(b);
    }
    EXPECT_EQ(live.model_mode, ACTOR_MODEL_OPAQUE);
    removed.lifecycle = BEASTIE_REMOVED;
    waiting.launch_delay = 0.5f;
    live.next = &removed;
    removed.next = &waiting;
    g_beasties = &live;
    g_ground_beasties = &ground;
    EXPECT_EQ(faces_drawn(beasties_draw_all), 4) << "the live enemy and the ground one";

    // A hit ends the fade-in: the flash draws at once.
    g_ground_beasties = nullptr;
    live.next = nullptr;
    live.instance.materialise = 200;
    live.hit_flash = 4;
    EXPECT_EQ(faces_drawn(beasties_draw_all), 2);
    EXPECT_EQ(live.instance.materialise, 0);
    g_beasties = nullptr;
    for (Beastie *b : {&live, &removed, &waiting, &ground}) {
        actor_destroy(b, 0);
    }
}

TEST_F(WorldDraw, BeamsAboveTheirFaintestAndShipsWithEnergy)
{
    Fizz faint, bright;
    stand(&faint);
    stand(&bright);
    faint.strength = 0.02f;
    bright.strength = 0.5f;
    faint.next = &bright;
    g_fizz = &faint;
    EXPECT_EQ(faces_drawn(fizz_draw_all), 2);

    Gamer alive, dead;
    stand(&alive);
    stand(&dead);
    alive.energy = 1.0f;
    dead.energy = 0.0f;
    dead.next = &alive;
    g_gamers = &dead;
    EXPECT_EQ(faces_drawn(gamer_draw_all), 2);
    g_fizz = nullptr;
    g_gamers = nullptr;
    for (Actor *a : std::initializer_list<Actor *>{&faint, &bright, &alive, &dead}) {
        actor_destroy(a, 0);
    }
}

TEST_F(WorldDraw, BulletsFlyingOrDyingButNotThoseGone)
{
    Bullet flying, dying, gone;
    for (Bullet *b : {&flying, &dying, &gone}) {
        stand(b);
    }
    flying.life = BULLET_FLYING;
    dying.life = BULLET_DYING;
    gone.life = 0.0f;
    flying.next = &gone;
    gone.next = &dying;
    g_bullets = &flying;
    EXPECT_EQ(faces_drawn(bullet_draw_all), 4);
    g_bullets = nullptr;
    for (Bullet *b : {&flying, &dying, &gone}) {
        actor_destroy(b, 0);
    }
}

}  // namespace
