// The arena as the level draws it: level 101 started from the generated tree, its room
// with the pylons, a power-up drifting and a large burst mid-blast, drawn by the world's
// own draw pass (build/screens/arena_world_top.png, arena_world_close.png). The power-up
// and the debris must show: the pictures differ where they are drawn. A boss level (119)
// with its swapped floor light, Robo Mom walking on it with her power cells and the
// footprints the walkers leave, from the play camera and closer, and with a cell shot
// down (build/screens/footprints_in_play.png, boss_parts_in_play.png,
// boss_parts_broken.png). The rising bosses of levels 109 and 139 in play once they have
// emerged, from the play camera (build/screens/motha_2_in_play.png, powerpimp_in_play.png).

#include "core/file.h"
#include "core/mathlib.h"
#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "game/lifecycle.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "render/batch.h"
#include "render/camera.h"
#include "render/footprint.h"
#include "render/particle.h"
#include "render/tex.h"
#include "world/actortype.h"
#include "world/beastie.h"
#include "world/explosion.h"
#include "world/gamer.h"
#include "world/powerup.h"
#include "world/room.h"

#include "tests/render/gl_fixture.h"
#include "tests/script/lua_test_support.h"
#include "tests/world/level_run.h"

#include <cstring>
#include <unistd.h>

namespace {

class ArenaDraw : public GlScene {
protected:
    void SetUp() override
    {
        GlScene::SetUp();
        ASSERT_NE(getcwd(saved_cwd, sizeof(saved_cwd)), nullptr);
        ASSERT_EQ(chdir(GLIMMERFALL_ASSETS "/run"), 0);
        memcpy(saved_dirs[0], g_styles_dir, FILE_DIR_SIZE);
        memcpy(saved_dirs[1], g_explosions_dir, FILE_DIR_SIZE);
        memcpy(saved_dirs[2], g_sfx_dir, FILE_DIR_SIZE);
        memcpy(saved_dirs[3], g_particles_dir, FILE_DIR_SIZE);
        snprintf(g_styles_dir, FILE_DIR_SIZE, "../styles/");
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "../styles/explosions/");
        snprintf(g_sfx_dir, FILE_DIR_SIZE, "../styles/sfx/");
        snprintf(g_particles_dir, FILE_DIR_SIZE, "../styles/particles/");
        snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "../styles/bitmaps/");
        g_game_type = 0.0f;
        g_two_player = 0;
        g_start_level = 101.0f;
        game_reset();
        g_gamer_count = g_gamer_in_play = g_gamer_with_lives = 1;
        camera_defaults();
    }
    void TearDown() override
    {
        game_session_end();
        particle_info();   // the level's release: the effects' rings back to the pool
        g_gamer_count = g_gamer_in_play = g_gamer_with_lives = 0;
        g_camera = CameraState{};
        memcpy(g_styles_dir, saved_dirs[0], FILE_DIR_SIZE);
        memcpy(g_explosions_dir, saved_dirs[1], FILE_DIR_SIZE);
        memcpy(g_sfx_dir, saved_dirs[2], FILE_DIR_SIZE);
        memcpy(g_particles_dir, saved_dirs[3], FILE_DIR_SIZE);
        EXPECT_EQ(chdir(saved_cwd), 0);
        GlScene::TearDown();
    }
    // An upright camera looking along world -z, pitched down, distance away from (x, 0, z).
    static void look_at(float x, float z, float pitch, float distance)
    {
        g_camera.roll = 0.0f;
        g_camera.pitch = pitch;
        g_camera.yaw = 0.0f;
        camera_matrix();
        const float target[3] = {x, 0.0f, z};
        for (int k = 0; k < 3; k++) {
            g_camera.pos[k] = target[k] + distance * g_camera.world[8 + k];
        }
        camera_matrix();
    }
    // The world pass of a frame, back to the frame's end state; the screen read back. With
    // effects, also what the frame draws after it: particles (when time runs) and footprints.
    static std::vector<uint8_t> draw(bool effects = false)
    {
        clear_to(0.05f, 0.06f, 0.09f);
        zgl_set_camera_matrix();
        zgl_enable_depth_test();
        zgl_enable_cull_face();
        game_draw_world();
        zgl_disable_cull_face();
        zgl_enable_blend();
        zgl_depth_mask_off();
        if (effects) {
            particle_update_draw();
            footprint_draw();
        }
        zbatch_flush();
        zbatch_unlock_arrays();
        zgl_reset_draw_state();
        return gl_read_screen(W, H);
    }
    // Pixels of two pictures whose colours differ by more than 24 over the channels.
    static int differing(const std::vector<uint8_t> &a, const std::vector<uint8_t> &b)
    {
        int n = 0;
        for (size_t i = 0; i + 2 < a.size(); i += 3) {
            n += abs(a[i] - b[i]) + abs(a[i + 1] - b[i + 1]) + abs(a[i + 2] - b[i + 2]) > 24;
        }
        return n;
    }
    // The same frame without power-ups and debris: how many pixels they changed.
    static int shown_by_pickups_and_debris(const std::vector<uint8_t> &with)
    {
        PowerUp *p = g_powerups;
        Debris *d = g_debris;
        g_powerups = nullptr;
        g_debris = nullptr;
        std::vector<uint8_t> without = draw();
        g_powerups = p;
        g_debris = d;
        int n = 0;
        for (size_t i = 0; i < with.size(); i += 3) {
            n += with[i] != without[i] || with[i + 1] != without[i + 1] || with[i + 2] != without[i + 2];
        }
        return n;
    }
    static int asset_bone(const Beastie *b, const char *name)
    {
        for (int i = 0; i < b->anim.set->bone_count; i++) {
            if (strcmp(b->anim.set->bones[i].name, name) == 0) {
                return i;
            }
        }
        return -1;
    }
    static ActorType *powerup_type(const char *name)
    {
        for (int i = 0; i < g_powerup_type_count; i++) {
            if (strcmp(g_powerup_types[i]->name, name) == 0) {
                return g_powerup_types[i];
            }
        }
        return nullptr;
    }

    char saved_cwd[4096];
    char saved_dirs[4][FILE_DIR_SIZE];
};

TEST_F(ArenaDraw, TheRoomItsPylonsAPowerUpAndABlastAsTheLevelDrawsThem)
{
    g_level_number = 101;
    snprintf(g_level_name, sizeof(g_level_name), "level101");
    g_level_start_time = 1700000000;
    game_session_start();
    ASSERT_NE(room_beastie(), nullptr);
    // Past the lead-in, where the scenery has slid into place.
    for (int i = 0; i < 210; i++) {
        game_tick(1);
    }
    ActorType *laser = powerup_type("powerup_laser");
    ASSERT_NE(laser, nullptr);
    PowerUp *pu = new PowerUp;
    const float drop[3] = {-12.0f, 0.0f, 6.0f};
    ASSERT_EQ(powerup_init(pu, laser, drop), 0);
    pu->velocity[0] = pu->velocity[2] = 0.0f;
    for (int i = 0; i < 30; i++) {
        game_tick(1);
    }
    ExplosionType *burst = explosion_type_find_or_load("burst_large");
    ASSERT_NE(burst, nullptr);
    float delays[3] = {0.0f, 0.05f, 0.1f};
    ExplosionUse use{};
    use.type = burst;
    use.bone = -1;
    use.spread = 1.0f;
    use.scale_min = 1.0f;
    use.count = 3;
    use.delays = delays;
    const float at[3] = {10.0f, 2.0f, -4.0f};
    explosion_spawn_use(&use, at, nullptr, 2.0f, 0.0f);
    for (int i = 0; i < 16; i++) {
        game_tick(1);
    }
    ASSERT_NE(g_debris, nullptr);
    ASSERT_NE(g_powerups, nullptr);
    // The ring's first texture is a set of frames: its pieces live by them, n - s at s a
    // tick; the burst's first is a still picture, so its pieces live by "explode".
    ExplosionType *ring = explosion_type_find_or_load("ring_emerge");
    ASSERT_NE(ring, nullptr);
    const TextureRecord *t = ring->set->model->textures[0];
    ASSERT_GT(t->anim_speed, 0.0f);
    EXPECT_FLOAT_EQ(ring->rate, t->anim_speed);
    EXPECT_FLOAT_EQ(ring->life_span, t->frame_count - t->anim_speed);
    EXPECT_EQ(burst->set->model->textures[0]->anim_speed, 0.0f);
    EXPECT_EQ(burst->life_span, 0.0f);

    look_at(0.0f, 0.0f, -62.0f, 190.0f);
    std::vector<uint8_t> top = draw();
    gl_save_screen("arena_world_top", W, H);
    EXPECT_GT(shown_by_pickups_and_debris(top), 300) << "the blast and the pick-up show from above";

    look_at(0.0f, 2.0f, -40.0f, 45.0f);
    std::vector<uint8_t> close = draw();
    gl_save_screen("arena_world_close", W, H);
    EXPECT_GT(shown_by_pickups_and_debris(close), 3000) << "and close";

    // One piece alone ends on the tick its time, s a tick, reaches n - s.
    debris_free_all();
    ASSERT_NE(debris_spawn_one(ring, at, 1.0f, 0.0f), nullptr);
    int expected = 0;
    for (float time = 0.0f; time < t->frame_count - t->anim_speed; time += t->anim_speed) {
        expected++;
    }
    int ticks = 0;
    while (g_debris && ticks < 1000) {
        debris_update_all();
        ticks++;
    }
    EXPECT_EQ(ticks, expected);
}

TEST_F(ArenaDraw, ABossLevelsFloorRoboMomsCellsAndTheFootprintsOfTheWalkers)
{
    footprint_init();
    g_hidden_keys = 1;   // the ship stands through it all
    g_f1_flag = 1.0f;
    g_level_number = 119;
    snprintf(g_level_name, sizeof(g_level_name), "level119");
    g_level_start_time = 1700000000;
    game_session_start();
    // The boss level swapped the floor's light for the boss picture before loading it.
    Beastie *floor = beastie_find_by_unique_name("floor");
    ASSERT_NE(floor, nullptr);
    bool boss_floor = false;
    for (int i = 0; i < floor->instance.model->texture_count; i++) {
        const TextureRecord *t = floor->instance.model->textures[i];
        boss_floor |= t && t->colour && strstr(t->colour->name, "floor_boss.bmp");
    }
    EXPECT_TRUE(boss_floor);
    for (int i = 0; i < 210; i++) {
        game_tick(1);
    }
    ASSERT_EQ(lua_test_run("actor_plopper('robo_mom', 1, plop_centre, 1, 0)\n"
                           "actor_plopper('robot_green', 5, plop_ring, 30, 0)"),
              0);
    Beastie *mom = beastie_find_by_unique_name("robo_mom_1");
    ASSERT_NE(mom, nullptr);
    std::vector<Beastie *> cells;
    for (Beastie *b = g_beasties; b; b = b->next) {
        if (strcmp(b->type->name, "robo_mom_pod") == 0) {
            cells.push_back(b);
        }
    }
    ASSERT_EQ(cells.size(), 2u);
    for (Beastie *c : cells) {
        EXPECT_EQ(beastie_get(c->parent), mom);
        EXPECT_EQ(beastie_get(c->health_parent), mom);
    }
    // Five seconds of play: she rises and walks, the robots march.
    for (int i = 0; i < 500; i++) {
        game_tick(1);
    }
    ASSERT_GE(mom->lifecycle, BEASTIE_IDLE);
    int prints = 0;
    for (int i = 0; i < MAX_FOOTPRINTS; i++) {
        prints += g_footprints[i].life > 0.0f;
    }
    EXPECT_GE(prints, 20) << "the walkers leave prints";
    for (Beastie *c : cells) {
        // The cells ride on her back, well above the floor and close to her.
        EXPECT_GT(c->position[1], 5.0f);
        EXPECT_LT(vec_dist2_xz(c->position, mom->position), 5.0f * 5.0f);
    }

    // The play camera over her: the prints must show against the boss floor.
    look_at(mom->position[0], mom->position[2] - 20.0f, -90.0f, 115.0f);
    g_frame_dt = 0.0f;
    std::vector<uint8_t> with = draw(true);
    std::vector<Footprint> kept(g_footprints, g_footprints + MAX_FOOTPRINTS);
    footprint_clear();
    std::vector<uint8_t> without = draw(true);
    std::copy(kept.begin(), kept.end(), g_footprints);
    EXPECT_GT(differing(with, without), 20 * prints) << "each print darkens the floor";
    g_frame_dt = 1.0f;
    draw(true);
    gl_save_screen("footprints_in_play", W, H);

    // Closer, from behind her: the two cells on her back.
    look_at(mom->position[0], mom->position[2], -55.0f, 50.0f);
    draw(true);
    gl_save_screen("boss_parts_in_play", W, H);

    // A cell shot down breaks; it stands again while she lives, and falls with her.
    Beastie *cell = cells[0];
    for (int shot = 0; shot < 10 && cell->full_health > 0.0f; shot++) {
        static float position[3];
        static float velocity[3];
        memcpy(position, cell->anim.hit_spheres[1].centre, sizeof(position));
        velocity[0] = velocity[1] = velocity[2] = 0.0f;
        g_collider = Collider{0.2f, 0.0f, 1.0f, nullptr, position, velocity};
        g_collide_mode = 0;
        g_collide_owner = nullptr;
        uint32_t hit = actor_spheres_damage_test(cell);
        if (hit & ACTOR_HIT_TOUCH) {
            beastie_take_hit(cell, hit);
        }
        for (int i = 0; i < 20; i++) {
            game_tick(1);
        }
    }
    EXPECT_EQ(cell->full_health, 0.0f) << "shot down";
    int canister = asset_bone(cell, "cell");
    ASSERT_GE(canister, 0);
    EXPECT_LT(cell->anim.bone_health[canister], 0.0f) << "its canister broken";
    for (int i = 0; i < 40; i++) {
        game_tick(1);   // its burst clears
    }
    look_at(mom->position[0], mom->position[2], -55.0f, 50.0f);
    draw(true);
    gl_save_screen("boss_parts_broken", W, H);
    for (int i = 0; i < 900 && cell->full_health == 0.0f; i++) {
        game_tick(1);
    }
    EXPECT_GT(cell->full_health, 0.0f) << "grown back while she stands";
    beastie_die(mom, 0);
    game_tick(1);
    for (Beastie *c : cells) {
        EXPECT_EQ(c->lifecycle, BEASTIE_DYING) << "her cells fall with her";
    }
    g_frame_dt = 0.0f;
    g_hidden_keys = 0;
    g_f1_flag = 0.0f;
    footprint_free();
}

TEST_F(ArenaDraw, TheRisingBossesInPlayOnceTheyHaveEmerged)
{
    struct Rising {
        int level;
        const char *form;
        const char *boss;
    };
    // The ship stands through it all, and stands no more once the test ends, however it ends.
    struct Untouchable {
        Untouchable()
        {
            g_hidden_keys = 1;
            g_f1_flag = 1.0f;
        }
        ~Untouchable()
        {
            g_hidden_keys = 0;
            g_f1_flag = 0.0f;
        }
    } untouchable;
    for (Rising r : {Rising{109, "motha_2_emerge", "motha_2"}, Rising{139, "powerpimp_emerge", "powerpimp"}}) {
        SCOPED_TRACE(r.boss);
        g_level_number = r.level;
        snprintf(g_level_name, sizeof(g_level_name), "level%d", r.level);
        g_level_start_time = 1700000000;
        game_session_start();
        // The level's own waves, each enemy but the boss ended as soon as it can be hit,
        // until the boss has risen; then a second and a half of play with its escorts.
        Beastie *boss = nullptr;
        int after = 0;
        for (int i = 0; i < 20000 && after < 150 && !g_level_end_request; i++) {
            game_tick(1);
            boss = nullptr;
            for (Beastie *b = g_beasties; b && !boss; b = b->next) {
                boss = strcmp(b->type->name, r.boss) == 0 ? b : nullptr;
            }
            for (Beastie *b = g_beasties; b && !boss; b = b->next) {
                if (level_run_can_be_hit(b) && !level_run_is_boss(b->type->name)) {
                    beastie_take_hit(b, BEASTIE_HIT_LETHAL);
                }
            }
            after += boss != nullptr;
        }
        ASSERT_NE(boss, nullptr) << "level " << r.level << " brought its boss";
        ASSERT_EQ(after, 150);
        EXPECT_GE(boss->lifecycle, BEASTIE_IDLE);
        EXPECT_TRUE(level_run_can_be_hit(boss)) << "emerged, it can be shot";
        for (const Beastie *b = g_beasties; b; b = b->next) {
            EXPECT_STRNE(b->type->name, r.form) << "the rising form gave way to the boss";
        }
        // The play camera straight down over it: the boss stands out on the floor.
        look_at(boss->position[0], boss->position[2], -90.0f, 100.0f);
        std::vector<uint8_t> with = draw(true);
        gl_save_screen(std::string(r.boss) + "_in_play", W, H);
        const int mode = boss->model_mode;
        boss->model_mode = ACTOR_MODEL_NONE;
        std::vector<uint8_t> without = draw(true);
        boss->model_mode = mode;
        EXPECT_GT(differing(with, without), W * H / 100) << "the boss covers a good part of the view";
        game_session_end();
        particle_info();
    }
}

}  // namespace
