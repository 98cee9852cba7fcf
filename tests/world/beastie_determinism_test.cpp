// The enemies replay: a seeded 1,000-tick scenario over every enemy family of the tree
// (their own scripts: moving, colliding, shot at, mutating, spawning, dying) ends in the
// same state twice, in another with another seed, and in the same when the enemies come
// from other places in memory.

#include "core/file.h"
#include "core/mem.h"
#include "core/mt.h"
#include "game/level_driver.h"
#include "script/lua_host.h"
#include "world/actortype.h"
#include "world/animset.h"
#include "world/beastie.h"
#include "world/bullet.h"
#include "world/gamer.h"

#include "tests/script/lua_test_support.h"
#include "tests/support/log_capture.h"
#include "tests/support/model_scene.h"
#include "tests/support/script_recorder.h"
#include "tests/support/temp_dir.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int SCENARIO_TICKS = 1000;

// The test's own choices (where to launch, whom to shoot) come from this generator, so
// the game's sequence is the engine's alone.
struct Lcg {
    uint32_t s;
    uint32_t next() { return s = s * 1664525u + 1013904223u; }
    float unit() { return (float)(next() >> 8) / 16777216.0f; }
};

struct Fnv {
    uint64_t h = 1469598103934665603ull;
    void bytes(const void *p, size_t n)
    {
        const unsigned char *c = (const unsigned char *)p;
        for (size_t i = 0; i < n; i++) {
            h = (h ^ c[i]) * 1099511628211ull;
        }
    }
    template <class T> void add(const T &v) { bytes(&v, sizeof(v)); }
};

// What a run ends with: the state hash, and the enemies' addresses in the order of
// their creation, as ranks.
struct Outcome {
    uint64_t hash;
    std::vector<int> address_ranks;
    int enemies;       // at the end
    int created;       // by the test
    uint32_t listed;   // by the test and the enemies (mutations, spawns)
    int candidates;    // the most one enemy gathered
    int knocks;        // crystal contacts seen
};

// Holes in the heap of an enemy's size, freed in a shuffled order, with live spacers
// between them so that they stay apart: new enemies land in them out of order.
class HeapHoles {
public:
    explicit HeapHoles(uint32_t seed)
    {
        Lcg r{seed};
        std::vector<void *> holes;
        for (int i = 0; i < 600; i++) {
            holes.push_back(::operator new(sizeof(Beastie)));
            spacers_.push_back(::operator new(32));
        }
        for (size_t i = holes.size(); i > 1; i--) {
            std::swap(holes[i - 1], holes[r.next() % i]);
        }
        for (void *p : holes) {
            ::operator delete(p);
        }
    }
    ~HeapHoles()
    {
        for (void *p : spacers_) {
            ::operator delete(p);
        }
    }

private:
    std::vector<void *> spacers_;
};

class Determinism : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        snprintf(saved_explosions_, sizeof(saved_explosions_), "%s", g_explosions_dir);
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s/styles/explosions/", relative_path(GLIMMERFALL_ASSETS).c_str());
    }
    void TearDown() override
    {
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", saved_explosions_);
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
        g_level_ticks = 0;
    }

    // Every enemy script of the families, as a level runs them.
    static void define_types()
    {
        g_lua = lua_open(0);
        lua_register_all();
        lua_test_run("cur_level_num = 101");
        lua_run_mem_script("actor.lua");
        for (const std::string &script : enemy_script_names()) {
            lua_run_mem_script(script.c_str());
        }
        // The families' scripts keep enemies from touching each other; these two do:
        // rollers that bounce off every enemy, and crystals that knock into each other.
        lua_test_run("local all = cat_beastie + cat_block + cat_robot + cat_blocker + cat_crystal + cat_flyer\n"
                     "    + cat_webblob + cat_mergeblob + cat_motha + cat_geopus\n"
                     "local t = ACTOR_preload('bumper', 'beasties', 'weelee_small') t[cp_actor_type] = cat_robot\n"
                     "t[cp_move_type] = cmt_random t[cp_move_speed_min] = 0.1 t[cp_move_speed_max] = 0.2\n"
                     "t[cp_move_acceleration] = 0.02 t[cp_turn_speed_moving] = 3 t[cp_turn_acceleration_moving] = 1\n"
                     "t[cp_i_collide_with_beasties] = all t[cp_these_collide_with_me] = all + cat_bullet\n"
                     "t[cp_health_percent] = 300 c_preload_model(t)\n"
                     "t = ACTOR_preload('knocker', 'beasties', 'crystal') t[cp_actor_type] = cat_crystal\n"
                     "t[cp_move_type] = cmt_fixed_dirn t[cp_move_speed_min] = 0.1 t[cp_move_speed_max] = 0.15\n"
                     "t[cp_weight] = 1 t[cp_spin_speed_min] = 1 t[cp_spin_speed_max] = 2 t[cp_turn_speed_moving] = 1\n"
                     "t[cp_these_collide_with_me] = cat_crystal + cat_robot + cat_bullet c_preload_model(t)\n");
        lua_close(g_lua);
        g_lua = nullptr;
    }

    // The enemy types of the families (their models in the beasties and bosses folders),
    // without the parts that only live hung on a boss (their health tied to a parent).
    static std::vector<ActorType *> families()
    {
        std::vector<ActorType *> out;
        for (ActorType *t = g_actor_types; t; t = t->next) {
            const char *name = t->set ? t->set->name : "";
            if (t->params->actor_type >= (int)cat_beastie && (strstr(name, "beasties/") || strstr(name, "bosses/")) &&
                t->params->health_type != health_damagable_check_parent) {
                out.push_back(t);
            }
        }
        return out;
    }

    static Beastie *launch(ActorType *t, Lcg &r)
    {
        const float pos[3] = {(r.unit() * 2.0f - 1.0f) * 60.0f, 0.0f, (r.unit() * 2.0f - 1.0f) * 60.0f};
        return launch_at(t, pos, r.unit() * 360.0f - 180.0f);
    }
    static Beastie *launch_at(ActorType *t, const float pos[3], float heading)
    {
        Beastie *b = new Beastie;
        float size = t->params->launch_scale_min + 0.5f * t->params->launch_scale_range;
        if (beastie_init(b, "", pos, size, heading, 0.0f, 0.0f, t, nullptr) != 0) {
            beastie_destroy(b, 1);
            return nullptr;
        }
        beastie_start(b, 0, 0);
        return b;
    }

    // A shot of the ship at one sphere of a live enemy.
    static void shoot(Beastie *b, Gamer *ship)
    {
        if (!b->anim.hit_spheres || b->anim.set->sphere_count < 2 || b->hit_clock >= 0.0f) {
            return;
        }
        static float position[3];
        static float velocity[3];
        memcpy(position, b->anim.hit_spheres[1].centre, sizeof(position));
        g_collider = Collider{0.2f, 0.0f, 1.5f, nullptr, position, velocity};
        g_collide_mode = 0;
        g_collide_owner = nullptr;
        g_bullet_ship = ship;
        beasties_hit_by_collider();
        g_bullet_ship = nullptr;
    }

    static void hash_list(Fnv &f, const Beastie *head)
    {
        for (const Beastie *b = head; b; b = b->next) {
            f.bytes(b->type->name, strlen(b->type->name));
            f.add(b->serial);
            f.add(b->lifecycle);
            f.add(b->move_bits);
            f.bytes(b->position, sizeof(b->position));
            f.bytes(b->velocity, sizeof(b->velocity));
            f.bytes(b->angles, sizeof(b->angles));
            f.bytes(b->target_point, sizeof(b->target_point));
            f.add(b->heading);
            f.add(b->speed);
            f.add(b->health);
            f.add(b->full_health);
            f.add(b->scale);
            f.add(b->hit_clock);
            f.add(b->candidate_count);
            f.add(beastie_get(b->parent) ? beastie_get(b->parent)->serial : 0u);
            f.bytes(b->state_values, sizeof(b->state_values));
            if (b->matrix_block) {
                f.bytes(b->matrix_block, sizeof(float) * 16 * (size_t)(b->anim.set->bone_count + 1));
            }
        }
    }

    static Outcome run(uint32_t seed, bool holes)
    {
        std::unique_ptr<HeapHoles> heap = holes ? std::make_unique<HeapHoles>(seed ^ 0x5a5a5a5au) : nullptr;
        TreeStyles styles(GLIMMERFALL_ASSETS);
        LogCapture log;
        mt_seed(seed);
        actortype_reset();
        gamer_reset_globals();
        beasties_reset();
        bullet_reset();
        g_level_ticks = -100;
        g_level_end_ticks = 0;
        g_game_over = 0;
        g_level_variant = (int)(seed % 15u);
        g_speed_factor = 1.2f;
        g_time_factor = 1.0f;
        define_types();
        std::vector<ActorType *> types = families();
        EXPECT_GE(types.size(), 25u);

        Lcg r{seed};
        Gamer *ship = new Gamer;
        const float start[3] = {30.0f, 0.0f, 0.0f};
        EXPECT_EQ(gamer_init(ship, actortype_find("robot_green"), start, 1.0f, 0.0f), 0);
        int created = 0;
        uint32_t listed = 0;
        int knocks = 0;
        for (ActorType *t : types) {
            created += launch(t, r) != nullptr;
        }
        for (int i = 0; i < 6; i++) {
            created += launch(actortype_find("bumper"), r) != nullptr;
            // Crystals in pairs, heading for each other.
            float x = (r.unit() * 2.0f - 1.0f) * 40.0f, z = (r.unit() * 2.0f - 1.0f) * 40.0f;
            const float left[3] = {x, 0.0f, z}, right[3] = {x + 8.0f, 0.0f, z};
            created += launch_at(actortype_find("knocker"), left, 90.0f) != nullptr;
            created += launch_at(actortype_find("knocker"), right, -90.0f) != nullptr;
        }
        for (int tick = 0; tick < SCENARIO_TICKS; tick++) {
            float a = (float)tick * 0.01f;
            ship->position[0] = 30.0f * cosf(a);
            ship->position[2] = 30.0f * sinf(a);
            if (tick % 40 == 39) {
                created += launch(types[r.next() % types.size()], r) != nullptr;
            }
            if (tick % 3 == 0 && g_beasties) {
                int n = 0;
                for (Beastie *b = g_beasties; b; b = b->next) {
                    n++;
                }
                int pick = (int)(r.next() % (uint32_t)n);
                Beastie *b = g_beasties;
                while (pick-- > 0) {
                    b = b->next;
                }
                shoot(b, ship);
            }
            g_level_ticks++;
            beasties_update_all();
            for (const Beastie *b = g_beasties; b; b = b->next) {
                listed = std::max(listed, b->serial);
                // A knock flashes 12 ticks; the crystal's own update took one.
                knocks += (b->category & (int)cat_crystal) && b->hit_flash == 11;
            }
        }
        Fnv f;
        hash_list(f, g_beasties);
        hash_list(f, g_ground_beasties);
        f.add(mt_rand());
        Outcome out{f.h, {}, 0, created, listed, g_beastie_candidate_peak, knocks};
        std::vector<std::pair<uint32_t, const Beastie *>> by_serial;
        for (const Beastie *b = g_beasties; b; b = b->next) {
            by_serial.push_back({b->serial, b});
            out.enemies++;
        }
        std::sort(by_serial.begin(), by_serial.end());
        std::vector<const Beastie *> addresses;
        for (auto &e : by_serial) {
            addresses.push_back(e.second);
        }
        std::vector<const Beastie *> sorted = addresses;
        std::sort(sorted.begin(), sorted.end());
        for (const Beastie *b : addresses) {
            out.address_ranks.push_back((int)(std::lower_bound(sorted.begin(), sorted.end(), b) - sorted.begin()));
        }
        world_cleanup_level();
        return out;
    }

    char saved_explosions_[FILE_DIR_SIZE];
};

TEST_F(Determinism, ASeededScenarioEndsInTheSameStateWhereverTheEnemiesLive)
{
    Outcome a = run(7001u, false);
    Outcome b = run(7001u, false);
    Outcome c = run(9002u, false);
    Outcome d = run(7001u, true);
    EXPECT_GE(a.created, 40);
    EXPECT_GE(a.listed, (uint32_t)a.created + 20) << "mutations and spawns";
    EXPECT_LT(a.enemies, (int)a.listed - 20) << "deaths";
    EXPECT_GE(a.enemies, 10);
    EXPECT_GT(a.candidates, 0) << "collisions among enemies";
    EXPECT_GT(a.knocks, 0) << "crystals knocking into each other";
    EXPECT_EQ(a.hash, b.hash);
    EXPECT_NE(a.hash, c.hash);
#ifndef __SANITIZE_ADDRESS__
    // (The address sanitizer's allocator keeps freed memory back, so there the holes
    // change nothing.)
    EXPECT_NE(a.address_ranks, d.address_ranks) << "the holes put the enemies elsewhere in another order";
#endif
    EXPECT_EQ(a.hash, d.hash);
}

// Enemies moved by their animation go at the ground that animation covers a tick (the
// walk's playing speed is their move speed, around 1): walking toward a ship 60 units
// away, each family's best second covers about its ground a tick, times its size.
TEST_F(Determinism, EnemiesMovedByTheirAnimationGoAtTheirWalksPace)
{
    TreeStyles styles(GLIMMERFALL_ASSETS);
    LogCapture log;
    mt_seed(11u);
    actortype_reset();
    gamer_reset_globals();
    beasties_reset();
    bullet_reset();
    g_level_ticks = 1000;
    g_level_end_ticks = 0;
    g_game_over = 0;
    g_speed_factor = 1.0f;
    g_time_factor = 1.0f;
    define_types();
    Gamer *ship = new Gamer;
    const float far[3] = {0.0f, 0.0f, 60.0f};
    ASSERT_EQ(gamer_init(ship, actortype_find("robot_green"), far, 1.0f, 0.0f), 0);
    struct Walker {
        const char *type;
        float ground;   // the family's walk, units a tick at playing speed 1
    };
    const Walker walkers[] = {{"robot_green", 0.1f}, {"robot_yellow", 0.15f}, {"weelee_small", 0.17f}};
    const int count = (int)(sizeof walkers / sizeof walkers[0]);
    Beastie *walking[count];
    std::vector<float> path[count];
    for (int i = 0; i < count; i++) {
        const float at[3] = {-20.0f + 20.0f * (float)i, 0.0f, 0.0f};
        walking[i] = launch_at(actortype_find(walkers[i].type), at, 0.0f);
        ASSERT_NE(walking[i], nullptr) << walkers[i].type;
        path[i].push_back(0.0f);
    }
    for (int tick = 0; tick < 500; tick++) {
        float before[count][3];
        for (int i = 0; i < count; i++) {
            memcpy(before[i], walking[i]->position, sizeof before[i]);
        }
        g_level_ticks++;
        beasties_update_all();
        for (int i = 0; i < count; i++) {
            float dx = walking[i]->position[0] - before[i][0], dz = walking[i]->position[2] - before[i][2];
            path[i].push_back(path[i].back() + std::sqrt(dx * dx + dz * dz));
        }
    }
    for (int i = 0; i < count; i++) {
        float best = 0.0f;
        for (size_t t = 100; t < path[i].size(); t++) {
            best = std::max(best, (path[i][t] - path[i][t - 100]) / 100.0f);
        }
        const float expected = walkers[i].ground * walking[i]->scale;
        EXPECT_GT(best, 0.6f * expected) << walkers[i].type;
        EXPECT_LT(best, 1.5f * expected) << walkers[i].type;
    }
    world_cleanup_level();
}

}  // namespace
