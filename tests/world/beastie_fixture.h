// beastie_fixture.h -- the enemy tests' arena: probe models written into a temporary
// styles folder, types defined through the real bindings from Lua, enemies made and
// ticked as the level driver does it, and the globals of a running level.
#pragma once

#include "core/file.h"
#include "core/mathlib.h"
#include "core/mem.h"
#include "core/mt.h"
#include "game/level_driver.h"
#include "world/actortype.h"
#include "world/animplay.h"
#include "world/beastie.h"
#include "world/bullet.h"
#include "world/explosion.h"
#include "world/fizz.h"
#include "world/gamer.h"
#include "world/path.h"
#include "world/powerup.h"

#include "tests/world/script_arena.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The bone turning by animation reads.
constexpr int PROBE_TURN_BONE = 2;
// Degrees the probe's "turn_left" turns that bone (about z); "turn_right" the other way.
constexpr float PROBE_TURN = 45.0f;

class EnemyArena : public ScriptArena {
protected:
    void SetUp() override
    {
        ScriptArena::SetUp();
        mt_seed(20240601u);
        beasties_reset();
        fizz_reset();
        paths_reset();
        explosion_types_reset();
        bullet_reset();
        g_level_ticks = 1;
        g_level_end_ticks = 0;
        g_game_over = 0;
        g_level_variant = 0;
        g_speed_factor = 1.0f;
        g_time_factor = 1.0f;
        g_beasties_active = 0;

        write("beasties/probe", probe(true));
        write("beasties/bare", probe(false));
        AnimSynth boom;
        boom.bone("mainbone_x", 0, 0, 0, 0).bone("bonecollide", 1, 0, 0, 0).track("explode");
        write("explosions/boom", boom);
        lua("dofilx('actor.lua')\n"
            "function def(name, model, cat)\n"
            "    local t = ACTOR_preload(name, 'beasties', model or 'probe')\n"
            "    t[cp_actor_type] = cat or cat_beastie\n"
            "    t[cp_hit_delay] = 0\n"
            "    t[cp_mutate_hit_delay] = 0\n"
            "    return t\n"
            "end\n");
    }
    void TearDown() override
    {
        g_explosion_spawn_hook = nullptr;
        g_gamer_kill_hook = nullptr;
        ScriptArena::TearDown();
        g_level_ticks = 0;
    }

    // The probe: four bones (bone 2 turns by animation, gun_x breaks), three spheres, the
    // engine's five event animations (with_events), a loop "pulse" of four keys, turns
    // of PROBE_TURN degrees and "spin1_x".
    static AnimSynth probe(bool with_events)
    {
        AnimSynth s;
        // Bone spheres apart on the floor, (0, 0), (1.5, 0) and (0, 1) at heading 0, each
        // bone with health of its own.
        s.bone("mainbone_x", 0, 0, 0, 0, 2.0f)
            .bone("torso", 1, 1.5f, 0, 0, 2.0f)
            .bone("body", 1, 0, 0, 0)
            .bone("gun_x", 3, 0, -1, 0, 2.0f, true);
        s.sphere(0, 0, 0, 0, 3.0f).sphere(1, 0, 0, 0, 0.5f).sphere(2, 0, 0, 0, 0.5f).sphere(4, 0, 0, 0, 0.5f);
        // A second pose of every bone: the rest, but bone 2 turned.
        for (size_t i = 0; i < s.file.bones.size(); i++) {
            std::array<float, 10> pose = s.file.bones[i].keys[0];
            s.file.bones[i].keys.push_back(pose);
            s.file.bones[i].keys.push_back(pose);
        }
        float h = PROBE_TURN * 0.5f * DEG2RAD;
        s.file.bones[PROBE_TURN_BONE].keys[1][2] = sinf(h);
        s.file.bones[PROBE_TURN_BONE].keys[1][3] = cosf(h);
        s.file.bones[PROBE_TURN_BONE].keys[2][2] = -sinf(h);
        s.file.bones[PROBE_TURN_BONE].keys[2][3] = cosf(h);
        if (with_events) {
            for (const char *t : {"emerge", "submerge", "mutate", "byebye", "hitbounce"}) {
                s.track(t);
            }
        }
        s.track("pulse", 0, 4, 0.1f).track("spin1_x", 0).track("walk", 0);
        s.track("turn_left", -1, 2, 0.1f).track("turn_right", -1, 2, 0.1f);
        s.file.tracks[s.file.tracks.size() - 2].key_frames = {1, 2};
        s.file.tracks[s.file.tracks.size() - 1].key_frames = {1, 3};
        return s;
    }
    // An enemy of the type at (x, 0, z), started emerging unless start is false.
    static Beastie *make(const char *type_name, float x, float z, float heading = 0.0f, const char *name = "",
                         float launch_delay = 0.0f, bool start = true)
    {
        Beastie *b = new Beastie;
        const float pos[3] = {x, 0.0f, z};
        if (beastie_init(b, name, pos, 1.0f, heading, 0.0f, launch_delay, actortype_find(type_name), nullptr) != 0) {
            ADD_FAILURE() << "no enemy of " << type_name;
            beastie_destroy(b, 1);
            return nullptr;
        }
        if (start) {
            beastie_start(b, 0, 0);
        }
        return b;
    }
    // A shot of hit power at the centre of sphere i of b, as a bullet's damage test runs
    // it: the enemies it touches take the hit. Hit flags.
    static uint32_t shoot(Beastie *b, int i, float power)
    {
        static float position[3];
        static float velocity[3];
        memcpy(position, b->anim.hit_spheres[i].centre, sizeof(position));
        velocity[0] = velocity[1] = velocity[2] = 0.0f;
        g_collider = Collider{0.1f, 0.0f, power, nullptr, position, velocity};
        g_collide_mode = 0;
        g_collide_owner = nullptr;
        return beasties_hit_by_collider();
    }
    // A player ship at (x, 0, z).
    static Gamer *ship(float x, float z)
    {
        if (!actortype_find("ship")) {
            lua("c_preload_model(def('ship', 'probe', cat_player))");
        }
        Gamer *g = new Gamer;
        const float pos[3] = {x, 0.0f, z};
        EXPECT_EQ(gamer_init(g, actortype_find("ship"), pos, 1.0f, 0.0f), 0);
        return g;
    }
    // n ticks of the level: the level tick, then the enemies' pass.
    static void pass(int n = 1)
    {
        for (int i = 0; i < n; i++) {
            g_level_ticks++;
            beasties_update_all();
        }
    }
    // Whether an enemy (compared by address only) is in the main list.
    static bool listed(const Beastie *b)
    {
        for (const Beastie *e = g_beasties; e; e = e->next) {
            if (e == b) {
                return true;
            }
        }
        return false;
    }
    static int main_count()
    {
        int n = 0;
        for (const Beastie *e = g_beasties; e; e = e->next) {
            n++;
        }
        return n;
    }
};
