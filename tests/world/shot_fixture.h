// shot_fixture.h -- the enemy arena with shots: a shot model that flies 0.1 units a tick
// by its one-shot "fire" (4 s) and has "die", one that stays where it is for 0.3 s, a
// model whose bones take no damage, and the bullets updated as the level driver does it.
#pragma once

#include "tests/world/beastie_fixture.h"

class ShotArena : public EnemyArena {
protected:
    void SetUp() override
    {
        EnemyArena::SetUp();
        write("beasties/shot", shot(SHOT_SPEED, 40));
        write("beasties/still_shot", shot(0.0f, 3));
        AnimSynth stone;
        stone.bone("mainbone_x", 0, 0, 0, 0).bone("core", 1, 0, 0, 0);
        stone.sphere(0, 0, 0, 0, 2.0f).sphere(1, 0, 0, 0, 1.0f);
        write("beasties/stone", stone);
        g_ticks_left = 1;
        g_level_playing = 1;
    }
    void TearDown() override
    {
        bullet_free_all();
        g_level_playing = 0;
        EnemyArena::TearDown();
    }

    static constexpr float SHOT_SPEED = 0.1f;

    // Two bones with a sphere each; "fire" (default 0) of keys keys 0.1 s apart covering
    // per_tick units a tick, then "die" of 0.2 s.
    static AnimSynth shot(float per_tick, int keys)
    {
        AnimSynth s;
        s.bone("mainbone_x", 0, 0, 0, 0).bone("tip", 1, 0, -0.3f, 0);
        s.sphere(0, 0, 0, 0, 0.4f).sphere(2, 0, 0, 0, 0.3f);
        s.track("fire", -1, keys, 0.1f).track("die", -1, 3, 0.1f);
        for (int k = 0; k < keys; k++) {
            s.file.tracks[0].root_offsets[(size_t)k][1] = -10.0f * per_tick * (float)k;
        }
        s.file.defaults[0] = 0;
        return s;
    }
    // A bullet type of the model with hit power 1, its hits spawning "boom" on events 5
    // and 6.
    static void def_shot(const char *name, const char *model, const char *category)
    {
        lua(std::string("local t = def('") + name + "', '" + model + "', " + category +
            ")\n"
            "t[cp_hit_power] = 1\n"
            "c_preload_model(t)\n"
            "c_set_use_explosion_for('hit_active_bone', 'boom', exp_align, 100, 0, 100, 100, { 0 })\n"
            "c_set_use_explosion_for('hit_null_bone', 'boom', exp_align, 100, 0, 100, 100, { 0 })\n");
    }
    // A live ship's bullet at (x, 0, z) flying along heading.
    static Bullet *player_shot(float x, float z, float heading, int kind = 0, const char *type = "pshot")
    {
        if (!g_gamers) {
            ship(0.0f, -60.0f);
        }
        const float at[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, 0, z, 1};
        return bullet_spawn_heading(actortype_find(type), at, g_gamers, heading, 0.0f, 1.0f, kind);
    }
    // n ticks of the bullets.
    static void fly(int n = 1)
    {
        for (int i = 0; i < n; i++) {
            bullet_update_all();
        }
    }
    static bool alive(const Bullet *b)
    {
        for (const Bullet *e = g_bullets; e; e = e->next) {
            if (e == b) {
                return true;
            }
        }
        return false;
    }
};
