// Actor types defined by scripts through the real bindings, over models written into a
// temporary styles folder: the registry's refusals and limits, trigger-state sections and
// condition names, weapons, explosion events, beam rules to pylon types, registrations by
// category, the mended no-contact block of a one-sphere model, the launch and the type
// timers.

#include "world/actortype.h"

#include "core/file.h"
#include "core/mem.h"
#include "core/mt.h"
#include "game/level_driver.h"
#include "world/beastie.h"
#include "world/explosion.h"
#include "world/fizzrule.h"
#include "world/gamer.h"
#include "world/powerup.h"
#include "world/trigger.h"

#include "tests/script/lua_test_support.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"
#include "tests/world/anim_synth.h"
#include "tests/world/script_arena.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Tracks of the probe model: the engine's five, a move cycle and nine extras.
const char *const PROBE_TRACKS[] = {"emerge", "submerge", "mutate", "byebye", "hitbounce", "walk", "a1", "a2",
                                    "a3", "a4", "a5", "a6", "a7", "a8", "a9"};

class ActorTypes : public ScriptArena {
protected:
    void SetUp() override
    {
        ScriptArena::SetUp();
        AnimSynth probe;
        probe.bone("mainbone_x", 0, 0, 0, 0, 2.0f)
            .bone("turret_x", 1, 0, 0, 1, 2.0f)
            .bone("gun_x", 2, 0, -1, 0, 2.0f)
            .bone("mid_x", 1, 0, 0, 2);
        probe.sphere(0, 0, 0, 0, 3.0f).sphere(2, 0, 0, 0, 1.0f);
        for (const char *t : PROBE_TRACKS) {
            probe.track(t);
        }
        write("beasties/probe", probe);
        AnimSynth one;
        one.bone("mainbone_x", 0, 0, 0, 0, 2.0f).sphere(1, 0, 0, 0, 2.0f);
        one.track("emerge");
        write("beasties/one", one);
        AnimSynth boom;
        boom.bone("mainbone_x", 0, 0, 0, 0).bone("bonecollide", 1, 0, 0, 0).track("explode");
        write("explosions/boom", boom);

        ASSERT_EQ(lua_test_run("dofilx('actor.lua')\n"
                               "function def(name, model, cat)\n"
                               "    local t = ACTOR_preload(name, 'beasties', model)\n"
                               "    t[cp_actor_type] = cat or cat_beastie\n"
                               "    return t\n"
                               "end\n"),
                  0);
    }
    static int track(const ActorType *t, const char *name) { return anim_find(t->set, name, 1); }
    static int state_count(const ActorType *t)
    {
        int n = 0;
        for (const TriggerState *s = t->states; s; s = s->next) {
            n++;
        }
        return n;
    }
};

TEST_F(ActorTypes, AlreadyLoadedKeepsTheFirstTypeAndIgnoresWhatFollows)
{
    lua("local t = def('probe', 'probe') t[cp_hit_power] = 1 c_preload_model(t)\n"
        "c_set_random_anim('a1', 100, 100, 1, 2)\n"
        "t = def('probe', 'probe') t[cp_hit_power] = 5 c_preload_model(t)\n"
        "c_set_random_anim('a2', 100, 100, 1, 2)\n"
        "c_add_flock_type(1, 2, 50, 60)\n");
    EXPECT_EQ(log.count("*** already loaded probe"), 1);
    ActorType *t = type("probe");
    EXPECT_EQ(t->next, nullptr) << "one type";
    EXPECT_EQ(t->params->hit_power, 1.0f);
    EXPECT_EQ(t->params->random_anim_count, 1);
    EXPECT_EQ(t->flock_count, 0);
    EXPECT_EQ(actortype_name_unused("probe"), 0);
    EXPECT_EQ(actortype_name_unused(""), 1);
}

TEST_F(ActorTypes, MissingModelClearsTheCurrentType)
{
    lua("c_preload_model(def('probe', 'probe'))\n"
        "c_preload_model(def('ghost', 'nothere'))\n"
        "c_set_random_anim('a1', 100, 100, 1, 2)\n");
    EXPECT_EQ(log.count_containing("*** [actor] doesnt exist"), 1);
    EXPECT_EQ(actortype_name_unused("ghost"), 1);
    EXPECT_EQ(type("probe")->params->random_anim_count, 0) << "the call after the failure went nowhere";
}

TEST_F(ActorTypes, NinthRandomAnimationOrWeaponIsRefusedAndTheBlockKept)
{
    lua("c_preload_model(def('shot', 'probe', cat_bullet))\n"
        "c_preload_model(def('probe', 'probe'))\n"
        "for i = 1, 8 do c_set_random_anim('a' .. i, 50, 150, 1, 3) end\n"
        "for i = 1, 8 do WEAPON_add(WEAPON_preload('shot'), { i }) end\n");
    ActorType *t = type("probe");
    RandomAnim anims[MAX_RANDOM_ANIMS];
    memcpy(anims, t->params->random_anims, sizeof(anims));
    float *seq = t->params->weapons[7].seq;
    lua("c_set_random_anim('a9', 50, 150, 1, 3)\n"
        "WEAPON_add(WEAPON_preload('shot'), { 9 })\n");
    EXPECT_EQ(log.count("*** too many sub-anims"), 1);
    EXPECT_EQ(log.count("*** too many weapons"), 1);
    EXPECT_EQ(t->params->random_anim_count, 8);
    EXPECT_EQ(memcmp(anims, t->params->random_anims, sizeof(anims)), 0);
    EXPECT_EQ(t->params->weapon_count, 8);
    EXPECT_EQ(t->params->weapons[7].seq, seq);
    const RandomAnim &r = t->params->random_anims[7];
    EXPECT_EQ(r.anim, track(t, "a8"));
    EXPECT_FLOAT_EQ(r.speed_min, 0.5f);
    EXPECT_FLOAT_EQ(r.speed_range, 1.0f);
    EXPECT_EQ(r.delay_min, 1.0f);
    EXPECT_EQ(r.delay_range, 2.0f);
    EXPECT_EQ(t->params->weapons[7].seq[0], 8.0f);

    // Bad values are told; an animation the model lacks is passed over quietly.
    log.clear();
    lua("c_preload_model(def('other', 'probe'))\n"
        "c_set_random_anim('a1', 150, 50, 1, 3)\n"
        "c_set_random_anim('a1', 0, 50, 1, 3)\n"
        "c_set_random_anim('nosuch', 50, 150, 1, 3)\n");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"*** sub-anim wrong values", "*** sub-anim wrong values"}));
    EXPECT_EQ(type("other")->params->random_anim_count, 0);
}

TEST_F(ActorTypes, TheThirtySecondStateStaysAndNoMoreAreAdded)
{
    lua("c_preload_model(def('probe', 'probe'))\n"
        "for i = 1, 31 do c_set_trigger_mutate('probe', 'my_health', i, i, 1, 1, 100, 100) end\n");
    ActorType *t = type("probe");
    EXPECT_EQ(log.count("*** too many states"), 0);
    lua("c_set_trigger_state('my_health', 32, 32, def('probe', 'probe'))");
    EXPECT_EQ(log.count("*** too many states"), 1);
    EXPECT_EQ(t->state_count, 32);
    EXPECT_EQ(t->states->value_min, 32.0f) << "the 32nd is kept";
    lua("c_set_trigger_mutate('probe', 'my_health', 33, 33, 1, 1, 100, 100)\n"
        "c_set_trigger_spawn('probe', 'walk', 'gun_x', 50, 1, 0, 3)\n");
    EXPECT_EQ(log.count("*** too many states"), 3);
    EXPECT_EQ(t->state_count, 32);
    EXPECT_EQ(state_count(t), 32);
}

TEST_F(ActorTypes, ConditionNamesAndStateValues)
{
    lua("c_preload_model(def('probe', 'probe'))");
    ActorType *t = type("probe");
    struct Case {
        const char *name;
        int id;
    } cases[] = {
        {"my_health__change_parent__via_null_actor_and_check", TRIGGER_HEALTH_CHANGE_PARENT},
        {"my_health__change_child__via_null_actor_and_check", TRIGGER_HEALTH_CHANGE_CHILD},
        {"my_health_low", TRIGGER_MY_HEALTH},
        {"my_time_alive__pass_path", TRIGGER_MY_TIME_ALIVE_PATH},
        {"my_time_alive_x", TRIGGER_MY_TIME_ALIVE},
        {"beasties_time_alive", TRIGGER_TYPE_TIME_ALIVE},
        {"count_extended_children", TRIGGER_COUNT_CHILDREN},
    };
    for (const Case &c : cases) {
        lua(std::string("c_set_trigger_state('") + c.name + "', 'calm', 2, 5, def('probe', 'probe'))");
        EXPECT_EQ(t->states->condition, c.id) << c.name;
    }
    EXPECT_STREQ(t->states->type_name, "calm");
    EXPECT_EQ(t->states->value_min, 2.0f);
    EXPECT_EQ(t->states->value_range, 3.0f);
    // Distances are squared; a maximum below the minimum gives no spread.
    lua("c_set_trigger_state('player_dist_less_than', 20, 30, def('probe', 'probe'))");
    EXPECT_EQ(t->states->value_min, 400.0f);
    EXPECT_EQ(t->states->value_range, 100.0f);
    lua("c_set_trigger_mutate('probe', 'my_time_alive', 5, 4, 1, 1, 100, 100)");
    EXPECT_EQ(log.count("*** mutate wrong values"), 1);
    lua("c_set_trigger_mutate('chunk', 'my_time_alive', 4, 6, 2, 3, 80, 120)");
    EXPECT_EQ(t->states->value_min, 4.0f);
    EXPECT_EQ(t->states->value_range, 2.0f);
    EXPECT_EQ(t->states->count_min, 2.0f);
    EXPECT_EQ(t->states->count_max, 3.0f);
    EXPECT_FLOAT_EQ(t->states->scale_min, 0.8f);
    EXPECT_FLOAT_EQ(t->states->scale_range, 0.4f);
    EXPECT_STREQ(t->states->type_name, "chunk");
    EXPECT_EQ(t->states->params, nullptr);

    int n = t->state_count;
    log.clear();
    lua("c_set_trigger_state('no_such', 1, 2, def('probe', 'probe'))");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"*** state? no_such", "*** state wrong values"}));
    EXPECT_EQ(t->state_count, n);

    // Each enemy's values start inside each state's bounds, in list order.
    float values[TRIGGER_MAX_STATES] = {};
    actortype_init_state_values(t, values);
    int i = 0;
    for (const TriggerState *s = t->states; s; s = s->next, i++) {
        EXPECT_GE(values[i], s->value_min);
        EXPECT_LE(values[i], s->value_min + s->value_range);
    }
    actortype_set_state_value(t, TRIGGER_MY_TIME_ALIVE, -1.0f, values);
    EXPECT_EQ(values[0], -1.0f) << "the mutation on my_time_alive, newest first";
    EXPECT_NE(values[1], -1.0f);
}

TEST_F(ActorTypes, StateSectionsReplaceInheritedAnimationsAndWeaponsOnFirstUse)
{
    lua("c_preload_model(def('shot', 'probe', cat_bullet))\n"
        "c_preload_model(def('probe', 'probe'))\n"
        "c_set_random_anim('a1', 100, 100, 1, 2)\n"
        "c_set_random_anim('a2', 100, 100, 1, 2)\n"
        "WEAPON_add(WEAPON_preload('shot'), { 1, 2 })\n"
        "WEAPON_add(WEAPON_preload('shot'), { 3 })\n"
        "local s = def('probe', 'probe') s[cp_move_speed_max] = 0.5\n"
        "c_set_trigger_state('my_health', 50, 50, s)\n");
    ActorType *t = type("probe");
    ActorParams *state = t->states->params;
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->random_anim_count, 2) << "inherited";
    EXPECT_EQ(state->weapon_count, 2);
    EXPECT_NE(state->weapons[0].seq, t->params->weapons[0].seq) << "a copy of its own";
    EXPECT_FLOAT_EQ(state->move_speed_min + state->move_speed_range, 0.5f);
    lua("c_set_random_anim('a3', 100, 100, 1, 2)\n"
        "c_set_random_anim('a4', 100, 100, 1, 2)\n"
        "WEAPON_add(WEAPON_preload('shot'), { 4 })\n");
    EXPECT_EQ(state->random_anim_count, 2);
    EXPECT_EQ(state->random_anims[0].anim, track(t, "a3"));
    EXPECT_EQ(state->random_anims[1].anim, track(t, "a4"));
    EXPECT_EQ(state->weapon_count, 1);
    EXPECT_EQ(state->weapons[0].seq[0], 4.0f);
    EXPECT_EQ(t->params->random_anim_count, 2) << "the base block keeps its own";
    EXPECT_EQ(t->params->weapon_count, 2);

    // A short table: the slots past its end are 0, not the numbers of an earlier call.
    lua("c_set_trigger_state('my_health', 25, 25, { 'probe', 'beasties', 'probe', cat_beastie, 0.5 })");
    EXPECT_EQ(t->states->params->actor_type, (int)cat_beastie);
    EXPECT_EQ(t->states->params->move_speed_min + t->states->params->move_speed_range, 0.0f);
}

TEST_F(ActorTypes, WeaponsTakeTheirFieldsAndMinusOneForAMissingBone)
{
    lua("c_preload_model(def('shot', 'probe', cat_bullet))\n"
        "c_preload_model(def('probe', 'probe'))\n"
        "local w = WEAPON_preload('shot')\n"
        "w[w_gun_type] = 'around_only_aim' w[w_gun_bone_name] = 'mainbone_x' w[w_shaft_bone_name] = 'turret_x'\n"
        "w[w_fire_anim_name] = 'a1' w[w_flare_exp_name] = 'boom' w[w_flare_exp_scale] = 50\n"
        "w[w_aim_delay] = 0.8 w[w_bullet_scale] = 120 w[w_barrel_offset] = 2 w[w_no_shoot_dist] = 9\n"
        "w[w_no_shoot_angle] = 30 w[w_recoil_angle] = 5 w[w_recoil_dist] = 0.3 w[w_reload_random] = 10\n"
        "WEAPON_add(w, { 1.2, 0.3 })\n"
        "w[w_gun_bone_name] = 'nosuch' w[w_flare_exp_name] = ''\n"
        "WEAPON_add(w, { 1 })\n"
        "w[w_gun_type] = 'fire_from_bone' w[w_shaft_bone_name] = 'nosuch'\n"
        "WEAPON_add(w, { 1 })\n"
        "WEAPON_add(WEAPON_preload('nosuch'), { 1 })\n");
    ActorType *t = type("probe");
    ASSERT_EQ(t->params->weapon_count, 3);
    const Weapon &w = t->params->weapons[0];
    EXPECT_EQ(w.bullet_type, type("shot"));
    ASSERT_NE(w.flare, nullptr);
    EXPECT_STREQ(w.flare->name, "boom");
    EXPECT_FLOAT_EQ(w.flare_scale, 0.5f);
    EXPECT_EQ(w.gun_type, WEAPON_GUN_AROUND);
    EXPECT_EQ(w.gun_bone, 0) << "mainbone_x is bone 0";
    EXPECT_EQ(w.shaft_bone, 1);
    EXPECT_FLOAT_EQ(w.aim_delay, 0.8f);
    EXPECT_FLOAT_EQ(w.bullet_scale, 1.2f);
    EXPECT_EQ(w.barrel_offset, 2.0f);
    EXPECT_EQ(w.no_shoot_dist_sq, 81.0f);
    EXPECT_EQ(w.no_shoot_angle, 30.0f);
    EXPECT_EQ(w.recoil_angle, 5.0f);
    EXPECT_FLOAT_EQ(w.recoil_dist, 0.3f);
    EXPECT_FLOAT_EQ(w.reload_random, 0.1f);
    EXPECT_EQ(w.fire_anim, track(t, "a1"));
    EXPECT_EQ(w.aim_anim, -1);
    ASSERT_EQ(w.seq_count, 2);
    EXPECT_FLOAT_EQ(w.seq[1], 0.3f);
    const Weapon &rider = t->params->weapons[1];
    EXPECT_EQ(rider.gun_bone, -1) << "not found";
    EXPECT_EQ(rider.gun_type, WEAPON_GUN_AROUND + WEAPON_GUN_RIDES) << "same shaft as the first";
    EXPECT_EQ(rider.flare, nullptr);
    EXPECT_EQ(t->params->weapons[2].gun_type, WEAPON_GUN_FROM_BONE);
    EXPECT_EQ(t->params->weapons[2].shaft_bone, -1);
    EXPECT_EQ(log.count("*** weapon not found nosuch"), 1);
}

TEST_F(ActorTypes, ExplosionEventsAndTheBoneAfterTheEighthCharacter)
{
    lua("c_preload_model(def('probe', 'probe'))");
    ActorType *t = type("probe");
    struct Case {
        const char *event;
        int id;
        int bone;
    } cases[] = {
        {"bye_bye_damagable", EXPLOSION_EVENT_BYE_BYE_DAMAGABLE, -1},
        {"bye_bye", EXPLOSION_EVENT_BYE_BYE, -1},
        {"bye_bye_gun_x", EXPLOSION_EVENT_BYE_BYE, 3},
        {"emerge", EXPLOSION_EVENT_EMERGE, -1},
        {"mutate", EXPLOSION_EVENT_MUTATE, -1},
        {"submerge", EXPLOSION_EVENT_SUBMERGE, -1},
        {"hit_active_bone", EXPLOSION_EVENT_HIT_ACTIVE_BONE, -1},
        {"hit_null_bone", EXPLOSION_EVENT_HIT_NULL_BONE, -1},
        {"smart_bomb", EXPLOSION_EVENT_SMART_BOMB, -1},
        {"bonus_extra", EXPLOSION_EVENT_BONUS_EXTRA, -1},
        {"multiply_extra", EXPLOSION_EVENT_MULTIPLY_EXTRA, -1},
    };
    for (const Case &c : cases) {
        lua(std::string("c_set_use_explosion_for('") + c.event + "', 'boom', exp_align, 150, -2, 50, 80, { 0, 0.1, 0.2 })");
        ASSERT_NE(t->explosions, nullptr);
        EXPECT_EQ(t->explosions->event, c.id) << c.event;
        EXPECT_EQ(t->explosions->bone, c.bone) << c.event;
    }
    const ExplosionUse *u = t->explosions;
    EXPECT_STREQ(u->type->name, "boom");
    EXPECT_EQ(u->align, 1);
    EXPECT_FLOAT_EQ(u->spread, 1.5f);
    EXPECT_EQ(u->blast, -2.0f);
    EXPECT_FLOAT_EQ(u->scale_min, 0.5f);
    EXPECT_FLOAT_EQ(u->scale_range, 0.3f);
    ASSERT_EQ(u->count, 3);
    EXPECT_FLOAT_EQ(u->delays[2], 0.2f);
    EXPECT_EQ(u->type->collide_matrix, 2) << "bonecollide is bone 1";
    EXPECT_EQ(u->type->explode_anim, 0);
    EXPECT_EQ(g_explosion_types->next, nullptr) << "loaded once";

    log.clear();
    lua("c_set_use_explosion_for('bye', 'boom', 0, 100, 0, 50, 80, { 0 })\n"
        "c_set_use_explosion_for('emerge', 'nosuch', 0, 100, 0, 50, 80, { 0 })\n"
        "c_set_use_explosion_for('emerge', 'boom', 0, 100, 0, 80, 50, { 0 })\n");
    EXPECT_EQ(log.count("*** add explosion wrong values"), 3);
}

TEST_F(ActorTypes, PylonRulesAreMadeOncePerPylonTypeWithTheBeamFlags)
{
    lua("c_preload_model(def('zap', 'probe', cat_fizz))\n"
        "c_preload_model(def('null-fizz', 'probe', cat_fizz))\n"
        "c_preload_model(def('pylon-1_1', 'probe', cat_ground))\n"
        "c_preload_model(def('pylon-2_1', 'probe', cat_ground))\n"
        "c_preload_model(def('shot', 'probe', cat_bullet))\n"
        "c_preload_model(def('probe', 'probe'))\n"
        "c_add_fizz_between('zap', 'probe', 'gun_x', 'pylon-', 'mid_x', 'barrier_damage_gamer', 50, 2, 10, 0.5)\n");
    int rules = 0;
    for (const FizzRule *r = g_fizz_rules; r; r = r->next) {
        rules++;
        EXPECT_EQ(r->beam_type, type("zap"));
        EXPECT_EQ(r->type_a, type("probe"));
        EXPECT_EQ(strncmp(r->type_b->name, "pylon-", 6), 0);
        EXPECT_EQ(r->flags, 5u);
        EXPECT_FLOAT_EQ(r->scale, 0.5f);
        EXPECT_EQ(r->min_dist2, 4.0f);
        EXPECT_EQ(r->max_dist2, 100.0f);
        EXPECT_EQ(r->flicker_period, 0.5f);
        EXPECT_EQ(r->matrix_a, 3);
        EXPECT_EQ(r->matrix_b, 4);
    }
    EXPECT_EQ(rules, 2);
    EXPECT_EQ(type("probe")->beam_flag, 1);
    EXPECT_EQ(type("pylon-1_1")->beam_flag, 1) << "cat_ground ends join";
    EXPECT_EQ(type("pylon-2_1")->beam_flag, 1);

    lua("c_add_fizz_between('zap', 'probe', 'gun_x', 'shot', 'mainbone_x', 'fizz', 100, 0, 9, 0)");
    EXPECT_EQ(g_fizz_rules->flags, 1u);
    EXPECT_EQ(type("shot")->beam_flag, -1) << "a shot is the other end";
    // A shot's own rule leaves the flags alone: only an enemy A sets them.
    lua("c_preload_model(def('bolt', 'probe', cat_bullet))\n"
        "c_add_fizz_between('zap', 'bolt', 'gun_x', 'probe', 'gun_x', 'fizz', 100, 0, 9, 0)\n");
    EXPECT_EQ(type("bolt")->beam_flag, 0);

    log.clear();
    lua("c_add_fizz_between('nosuch', 'probe', 'gun_x', 'shot', 'mainbone_x', 'fizz', 100, 0, 9, 0)\n"
        "c_add_fizz_between('null-fizz', 'probe', 'gun_x', 'missing', 'mainbone_x', 'fizz', 100, 0, 9, 0)\n"
        "c_add_fizz_between('zap', 'probe', 'gun_x', 'missing', 'mainbone_x', 'fizz', 100, 0, 9, 0)\n");
    EXPECT_EQ(log.lines(), std::vector<std::string>{"*** fizz between wrong values"});
}

TEST_F(ActorTypes, CategoriesRegisterShotsPowerUpsAndTheHull)
{
    lua("local b = def('bullet', 'probe', cat_player + cat_bullet) b[cp_player_bullet_rate] = 0.15\n"
        "b[cp_launch_scale_min] = 80 c_preload_model(b)\n"
        "local m = def('missile', 'probe', cat_player + cat_bullet + cat_beastie) c_preload_model(m)\n"
        "c_preload_model(def('pickup', 'probe', cat_ground + cat_player + cat_bullet))\n"
        "c_preload_model(def('hull', 'probe', cat_player))\n"
        "local s = def('ship', 'probe', cat_player) s[cp_move_target] = 'hull' c_preload_model(s)\n");
    ASSERT_EQ(g_gamer_bullet_count, 2);
    EXPECT_EQ(g_gamer_bullets[0].type, type("bullet"));
    EXPECT_FLOAT_EQ(g_gamer_bullets[0].interval, 0.15f);
    EXPECT_FLOAT_EQ(g_gamer_bullets[0].scale, 0.8f);
    EXPECT_EQ(g_gamer_bullets[1].type, type("missile"));
    ASSERT_EQ(g_powerup_type_count, 1);
    EXPECT_EQ(g_powerup_types[0], type("pickup"));
    EXPECT_EQ(type("ship")->linked, type("hull"));
    EXPECT_EQ(type("hull")->linked, nullptr);
}

TEST_F(ActorTypes, OneSphereModelNeitherMovesNorCollidesNorTakesHits)
{
    lua("local t = def('solid', 'one') t[cp_move_type] = cmt_track t[cp_move_speed_max] = 0.2\n"
        "t[cp_i_collide_with_beasties] = cat_player + cat_beastie t[cp_these_collide_with_me] = cat_bullet\n"
        "c_preload_model(t)\n"
        "c_set_trigger_state('my_health', 50, 50, t)\n"
        "local l = ACTOR_PreLaunch('solid') l:setall(5, 0, 5, 0, 100, 0, 0) l:launch()\n");
    ActorType *t = type("solid");
    for (const ActorParams *p : {t->params, t->states->params}) {
        EXPECT_EQ(p->hit_delay, 3600.0f);
        EXPECT_EQ(p->mutate_hit_delay, 3600.0f);
        EXPECT_EQ(p->in_beastie_count, 0);
        EXPECT_EQ(p->move_type, 0u);
        EXPECT_EQ(p->collide_mask, 0u);
        EXPECT_EQ(p->collided_by_mask, 0u);
        EXPECT_EQ(p->avoid_mask, 0u);
    }
    Beastie *b = g_last_launched;
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->collide_mask, 0u);
    EXPECT_EQ(b->collided_by_mask, 0u);
    EXPECT_EQ(b->hit_clock, 3600.0f);
    // A shot straight through it: nothing.
    float pos[3] = {5, 0, 0};
    float vel[3] = {0, 0, 10};
    g_collider = Collider{0.5f, 10.0f, 1.0f, nullptr, pos, vel};
    b->hit_clock = -1.0f;
    b->collided_by_mask = cat_bullet;
    EXPECT_EQ(beasties_hit_by_collider(), 0u);
}

TEST_F(ActorTypes, LaunchDrawsItsSizeFollowsItsPathAndStartsEmerging)
{
    lua("local t = def('probe', 'probe') t[cp_launch_scale_min] = 50 t[cp_launch_scale_max] = 150\n"
        "t[cp_fade_in_translucent] = 1 c_preload_model(t)\n"
        "c_add_a_path('p', 0, 100, 100, 0, 0, 0, { -20, 0, 0,  0, 30, 0,  20, 0, 0 })\n");
    mt_seed(7);
    float r = mt_rand_unit();
    mt_seed(7);
    lua("local l = ACTOR_PreLaunch('probe') l:setall(1, 2, 3, 45, 0, 0, 0.5) l:launch()");
    Beastie *b = g_last_launched;
    ASSERT_NE(b, nullptr);
    EXPECT_FLOAT_EQ(b->scale, 0.5f + r * 1.0f);
    EXPECT_EQ(b->heading, 45.0f);
    EXPECT_EQ(b->launch_delay, 0.5f);
    EXPECT_EQ(b->position[2], 3.0f);
    EXPECT_EQ(b->lifecycle, BEASTIE_EMERGING);
    EXPECT_EQ(anim_is_playing(&b->anim, track(b->type, "emerge")), 1);
    EXPECT_EQ(b->instance.materialise, 255) << "fades in";
    EXPECT_EQ(log.count("null"), 1) << "no unique name";

    // With a path, the heading is toward the path's point the enemy makes for: from
    // (10, 0, -5) the nearest point, (0, 0, -20), since its forward neighbour is farther
    // than its backward one. A size is taken as given.
    lua("local l = ACTOR_PreLaunch('probe') l:setall(10, 0, -5, 45, 80, 0, 0, 'p')\n"
        "l[ci_unique_name] = 'pathy' l:launch()");
    b = g_last_launched;
    ASSERT_NE(b, nullptr);
    EXPECT_STREQ(b->unique_name, "pathy");
    EXPECT_FLOAT_EQ(b->scale, 0.8f);
    EXPECT_NEAR(b->heading, atan2f(-10.0f, -15.0f) * 180.0f / 3.14159265f, 1e-3f);
    EXPECT_EQ(b->path_pos, 2);
    EXPECT_EQ(b->target_point[0], 0.0f);
    EXPECT_EQ(b->target_point[2], -20.0f);

    log.clear();
    lua("ACTOR_PreLaunch('nosuch'):launch()");
    EXPECT_EQ(log.count("*** launch actor not found nosuch"), 1);
    EXPECT_EQ(g_last_launched, b);

    // A player type becomes a ship; the enemy launched last stays the last.
    lua("c_preload_model(def('ship', 'probe', cat_player))\n"
        "local l = ACTOR_PreLaunch('ship') l:setall(4, 0, 6, 30, 120, 0, 0) l:launch()\n");
    ASSERT_NE(g_gamers, nullptr);
    EXPECT_FLOAT_EQ(g_gamers->scale, 1.2f);
    EXPECT_EQ(g_gamers->move_heading, 30.0f);
    EXPECT_EQ(g_gamers->category, (int)cat_player);
    EXPECT_EQ(g_last_launched, b);
}

TEST_F(ActorTypes, TimersRestartTimeAliveAtMinusTheHitDelayAndScaleTheFireRate)
{
    lua("local t = def('probe', 'probe') t[cp_hit_delay] = 0.5 t[cp_multiple_beast_shoot_rate] = 20\n"
        "t[cp_multiple_beast_base_num] = 3 c_preload_model(t)");
    ActorType *t = type("probe");
    int saved_ticks = g_level_ticks;
    float saved_factor = g_time_factor;
    g_level_ticks = 10;
    g_time_factor = 1.0f;
    actortype_update_all();
    EXPECT_EQ(t->time_alive, -0.5f) << "none alive";
    EXPECT_EQ(t->shoot_factor, 1.0f);
    struct Case {
        int alive;
        float factor;   // max(1 + (3 - alive) x 0.2, 0.2)
    } cases[] = {{1, 1.4f}, {3, 1.0f}, {5, 0.6f}, {9, 0.2f}};
    float alive = -0.5f;
    for (const Case &c : cases) {
        t->tick_count = c.alive;
        actortype_update_all();
        alive += 0.01f;
        EXPECT_FLOAT_EQ(t->shoot_factor, c.factor) << c.alive;
        EXPECT_EQ(t->last_count, c.alive);
        EXPECT_EQ(t->tick_count, 0);
        EXPECT_FLOAT_EQ(t->time_alive, alive);
    }
    g_level_ticks = -5;
    t->tick_count = 2;
    actortype_update_all();
    EXPECT_FLOAT_EQ(t->time_alive, alive) << "no time passes before the start";
    actortype_update_all();
    EXPECT_EQ(t->time_alive, -0.5f);
    g_level_ticks = saved_ticks;
    g_time_factor = saved_factor;
}

TEST_F(ActorTypes, OtherDefinitionCallsFillTheTypeOrSayWhatIsWrong)
{
    lua("c_preload_model(def('probe', 'probe'))");
    ActorType *t = type("probe");
    struct Case {
        const char *code;
        std::vector<std::string> lines;
    } cases[] = {
        {"c_set_use_anim_for('move_forward', 'walk', 50, 150)", {}},
        {"c_set_use_anim_for('turn_left', 'walk', 100, 100)", {}},
        {"c_set_use_anim_for('move_forward', 'walk', 150, 50)", {"*** move anim wrong values"}},
        {"c_set_use_anim_for('sideways', 'walk', 50, 150)", {"*** move-type not found sideways"}},
        {"c_set_use_anim_for('move_forward', 'nosuch', 50, 150)", {}},
        {"c_set_trigger_spawn('probe', 'walk', 'gun_x', 50, 2, 1.5, 3)", {}},
        {"c_set_trigger_spawn('probe', 'nosuch', 'gun_x', 50, 2, 1.5, 3)", {"*** spawn wrong values"}},
        {"c_add_footprint_to_anim('nosuch', 'gun_x', '2', 1, 2, 3)", {"*** add footprint wrong values"}},
        {"c_add_some_wheels('gun_x', 'nosuch', 1, 2)", {}},
        {"c_add_some_wheels('mainbone_x', 'nosuch', 1, 2)", {"*** add wheels wrong values"}},
        {"c_add_some_wheels('gun_x', 'turret_x', 0, 2)", {"*** add wheels wrong values"}},
        {"c_add_flock_type(2, 1, 50, 60)", {"*** add flock wrong values"}},
        {"for i = 1, 8 do c_add_flock_type(1, 3, 50, 70) end", {}},
        {"c_add_flock_type(1, 3, 50, 70)", {"*** add flock wrong values"}},
        {"c_add_sound_to_event('explode', 'bang')", {"*** add sound anim wrong values"}},
    };
    for (const Case &c : cases) {
        log.clear();
        lua(c.code);
        EXPECT_EQ(log.lines(), c.lines) << c.code;
    }
    int walk = track(t, "walk");
    EXPECT_EQ(t->params->move_slots[MOVE_SLOT_FORWARD].anim, walk);
    EXPECT_FLOAT_EQ(t->params->move_slots[MOVE_SLOT_FORWARD].speed_min, 0.5f);
    EXPECT_FLOAT_EQ(t->params->move_slots[MOVE_SLOT_FORWARD].speed_range, 1.0f);
    EXPECT_EQ(t->move_anims[MOVE_SLOT_FORWARD][0], walk);
    EXPECT_EQ(t->move_anims[MOVE_SLOT_FORWARD][1], -1) << "listed once";
    EXPECT_EQ(t->move_anims[MOVE_SLOT_TURN_LEFT][0], walk);
    const TriggerState *spawn = t->states;
    ASSERT_NE(spawn, nullptr);
    EXPECT_EQ(spawn->condition, TRIGGER_SPAWN);
    EXPECT_FLOAT_EQ(spawn->value_min, 0.5f);
    EXPECT_EQ(spawn->spawn_interval, 2.0f);
    EXPECT_EQ(spawn->attach_time, 1.5f);
    EXPECT_EQ(spawn->count_min, 9.0f);
    EXPECT_EQ(spawn->spawn_anim, walk);
    EXPECT_EQ(spawn->spawn_bone, 3);
    EXPECT_EQ(t->wheels, 1);
    EXPECT_EQ(t->wheel_left, 2);
    EXPECT_EQ(t->flock_count, 8);
    EXPECT_FLOAT_EQ(t->flock[0].reach_min, 0.5f);
    EXPECT_FLOAT_EQ(t->flock[0].reach_range, 0.2f);
    EXPECT_GE(t->flock[0].countdown, 1.0f);
    EXPECT_LE(t->flock[0].countdown, 3.0f);
}

}  // namespace

namespace {

TEST_F(ActorTypes, LinksAndRoomBeamsJoinLaunchedEnemies)
{
    lua("c_preload_model(def('zap', 'probe', cat_fizz))\n"
        "c_preload_model(def('probe', 'probe'))\n"
        "local l = ACTOR_PreLaunch('probe') l[ci_unique_name] = 'one' l:launch()\n"
        "l = ACTOR_PreLaunch('probe') l[ci_unique_name] = 'two' l:launch()\n"
        "c_link_to_parent('one', 'gun_x', 'one')\n"
        "c_link_health_to_parent('one')\n"
        "c_add_fizz_to_room('zap', 'one', 'gun_x', 'two', 'mainbone_x', 50, 0)\n");
    Beastie *one = beastie_find_by_unique_name("one");
    Beastie *two = beastie_find_by_unique_name("two");
    ASSERT_TRUE(one && two);
    EXPECT_EQ(g_last_launched, two);
    EXPECT_EQ(beastie_get(two->parent), one);
    EXPECT_EQ(two->parent_bone, one->matrix_block + 16 * 3) << "gun_x is bone 2";
    EXPECT_EQ(beastie_get(two->child_owner), one);
    EXPECT_EQ(beastie_get(two->health_parent), one);
    ASSERT_NE(g_fizz, nullptr);
    EXPECT_EQ(g_fizz->flags, 2u);
    EXPECT_FLOAT_EQ(g_fizz->scale, 0.5f);
    EXPECT_EQ(g_fizz->matrix_a, one->matrix_block + 16 * 3);
    EXPECT_EQ(g_fizz->matrix_b, two->matrix_block + 16);
    EXPECT_EQ(g_fizz->actor_b, two);

    log.clear();
    lua("c_link_to_parent('nobody', 'gun_x')\n"
        "c_link_health_to_parent('nobody')\n"
        "c_add_fizz_to_room('zap', 'one', 'gun_x', 'nobody', 'mainbone_x', 50, 0)\n");
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"*** link to parent wrong values",
                                                     "*** link health to parent wrong values",
                                                     "*** room fizz wrong values"}));
    // Once the enemy launched last is gone, a link has nothing to link.
    beasties_free_all();
    EXPECT_EQ(g_last_launched, nullptr);
    log.clear();
    lua("c_link_to_parent('one', 'gun_x')");
    EXPECT_TRUE(log.lines().empty());
}

}  // namespace
