// bench_arena.h -- the benchmarks' arena of enemies from the generated tree: the types of
// seven moving families (and any extra script a benchmark adds), launched at seeded
// random places, ticked as the level's enemy pass; released again at the end.
#pragma once

#ifdef GLIMMERFALL_ASSETS

#include "core/file.h"
#include "core/mem.h"
#include "core/mt.h"
#include "game/level_driver.h"
#include "script/lua_adapter.h"
#include "script/lua_host.h"
#include "world/actortype.h"
#include "world/animset.h"
#include "world/beastie.h"
#include "world/bullet.h"
#include "world/explosion.h"
#include "world/gamer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

// Movers of six families that wander over the arena (within 85 units of the centre) and bounce off every
// enemy (crystals also knock into each other), and one that also carries trigger states
// that never fire.
inline const char *BENCH_TYPES = R"(
local all = cat_beastie + cat_block + cat_robot + cat_blocker + cat_crystal + cat_flyer
    + cat_webblob + cat_mergeblob + cat_motha + cat_geopus
local function mover(name, model, cat, speed)
    local t = ACTOR_preload(name, "beasties", model)
    t[cp_actor_type] = cat
    t[cp_move_type] = cmt_random
    t[cp_move_speed_min] = speed
    t[cp_move_speed_max] = speed * 1.5
    t[cp_move_acceleration] = 0.01
    t[cp_move_deceleration] = 0.01
    t[cp_move_inertia_accn] = 0.8
    t[cp_turn_speed_moving] = 3
    t[cp_turn_acceleration_moving] = 0.5
    t[cp_turn_speed_still] = 3
    t[cp_turn_acceleration_still] = 0.5
    t[cp_turn_lock_angle_outer] = 120
    t[cp_turn_lock_angle_inner] = 30
    t[cp_target_stop_dist] = 4
    t[cp_target_delay_min] = 1
    t[cp_target_delay_max] = 3
    t[cp_random_offset_x] = 85
    t[cp_random_offset_z] = 85
    t[cp_weight] = 1
    t[cp_i_collide_with_beasties] = all
    t[cp_these_collide_with_me] = all + cat_bullet
    return t
end
c_preload_model(mover("b_robot", "robot_green", cat_robot, 0.08))
c_set_use_anim_for("move_forward", "walk", 80, 120)
c_preload_model(mover("b_weelee", "weelee_small", cat_robot, 0.12))
c_preload_model(mover("b_fly", "trackfly_1", cat_flyer, 0.15))
c_preload_model(mover("b_crystal", "crystal", cat_crystal, 0.1))
c_preload_model(mover("b_blocker", "blocker_red", cat_blocker, 0.06))
c_preload_model(mover("b_spider", "beemspider_1", cat_beastie, 0.07))
local t = mover("b_watcher", "chunk_1", cat_block, 0.05)
c_preload_model(t)
c_set_trigger_state("player_dist_less_than", "near", 5, 5, mover("b_watcher", "chunk_1", cat_block, 0.1))
c_set_trigger_state("my_health", "hurt", 10, 10, mover("b_watcher", "chunk_1", cat_block, 0.1))
c_set_trigger_mutate("byebye", "less_beasties_active", 0, 0, 1, 1, 100, 100, "b_robot")
c_set_trigger_mutate("byebye", "my_time_alive", 100000, 100000, 1, 1, 100, 100)
)";

inline const char *const MOVERS[] = {"b_robot", "b_weelee", "b_fly", "b_crystal", "b_blocker", "b_spider", "b_watcher"};

class BenchArena {
public:
    // extra: a script run after the movers' types (null for none).
    explicit BenchArena(const char *extra = nullptr)
    {
        mem_init();
        snprintf(saved_styles_, sizeof(saved_styles_), "%s", g_styles_dir);
        snprintf(saved_explosions_, sizeof(saved_explosions_), "%s", g_explosions_dir);
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s/styles/", GLIMMERFALL_ASSETS);
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s/styles/explosions/", GLIMMERFALL_ASSETS);
        mt_seed(4242u);
        actortype_reset();
        explosion_types_reset();
        debris_reset();
        gamer_reset_globals();
        beasties_reset();
        g_level_ticks = 1;
        g_level_end_ticks = 0;
        g_game_over = 0;
        g_speed_factor = 1.0f;
        g_time_factor = 1.0f;
        g_lua = lua_open(0);
        lua_register_all();
        lua_run_mem_script("actor.lua");
        lua_dobuffer(g_lua, BENCH_TYPES, strlen(BENCH_TYPES), "bench");
        if (extra) {
            lua_dobuffer(g_lua, extra, strlen(extra), "bench extra");
        }
        ok = actortype_find("b_watcher") != nullptr;
    }
    // Released as the level's end releases its world: the explosion types and the debris
    // before the animation sets they point into (the benchmark runs its function several
    // times in one process, and the next arena finds types by name).
    ~BenchArena()
    {
        lua_close(g_lua);
        g_lua = nullptr;
        beasties_free_all();
        gamer_free_all();
        bullet_free_all();
        debris_free_all();
        explosion_types_free();
        actortype_free_all();
        anim_sets_free_all();
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", saved_styles_);
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", saved_explosions_);
    }
    Beastie *launch(const char *type, uint32_t &r)
    {
        r = r * 1664525u + 1013904223u;
        float x = ((float)(r >> 8) / 16777216.0f * 2.0f - 1.0f) * 85.0f;
        r = r * 1664525u + 1013904223u;
        float z = ((float)(r >> 8) / 16777216.0f * 2.0f - 1.0f) * 85.0f;
        const float pos[3] = {x, 0.0f, z};
        Beastie *b = new Beastie;
        if (beastie_init(b, "", pos, 1.0f, (float)(r % 360u) - 180.0f, 0.0f, 0.0f, actortype_find(type), nullptr) != 0) {
            beastie_destroy(b, 1);
            return nullptr;
        }
        beastie_start(b, 0, 0);
        return b;
    }
    // An enemy of the type at (x, 0, z) with heading 0 and the unique name, started; null
    // when it cannot be made.
    static Beastie *launch_at(const char *type, const char *name, float x, float z)
    {
        Beastie *b = new Beastie;
        const float pos[3] = {x, 0.0f, z};
        if (beastie_init(b, name, pos, 1.0f, 0.0f, 0.0f, 0.0f, actortype_find(type), nullptr) != 0) {
            beastie_destroy(b, 1);
            return nullptr;
        }
        beastie_start(b, 0, 0);
        return b;
    }
    // A ship of the type in the middle of the arena (the guns' target); null when it
    // cannot be made.
    static Gamer *ship(const char *type)
    {
        Gamer *g = new Gamer;
        const float centre[3] = {0.0f, 0.0f, 0.0f};
        if (gamer_init(g, actortype_find(type), centre, 1.0f, 0.0f) != 0) {
            delete g;
            return nullptr;
        }
        return g;
    }
    void fill(int n)
    {
        for (int i = 0; i < n; i++) {
            launch(MOVERS[i % 7], seed_);
        }
    }
    static void tick(int n = 1)
    {
        for (int i = 0; i < n; i++) {
            g_level_ticks++;
            beasties_update_all();
        }
    }
    // n movers run for warm ticks; false (the benchmark skipped) when the types did not
    // load.
    bool ready(benchmark::State &state, int n, int warm)
    {
        if (!ok) {
            state.SkipWithError("the bench types did not load");
            return false;
        }
        fill(n);
        tick(warm);
        return true;
    }
    static int count()
    {
        int n = 0;
        for (Beastie *b = g_beasties; b; b = b->next) {
            n++;
        }
        return n;
    }

    bool ok = false;

private:
    uint32_t seed_ = 99u;
    char saved_styles_[FILE_DIR_SIZE];
    char saved_explosions_[FILE_DIR_SIZE];
};

#endif
