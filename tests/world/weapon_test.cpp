// Enemy weapons: the reload sequence in ticks, the no-shoot distance and angle, no ship,
// the fire animation holding the timers, guns shot off or missing, the shaft that turns
// toward the ship with a second weapon riding on it, the rate, recoil, and shots launched
// as enemies with the level-end kill; an unboned gun aims at the ship wherever it stands,
// and no gun fires while the level is not in play.

#include "tests/world/shot_fixture.h"

namespace {

class Weapons : public ShotArena {
protected:
    void SetUp() override
    {
        ShotArena::SetUp();
        def_shot("eshot", "shot", "cat_bullet");
    }
    // An enemy type of the probe with one weapon: lua lines that set fields of w
    // (WEAPON_preload('eshot')), and its reload sequence.
    static void def_gunner(const char *name, const std::string &set_w, const char *seq = "{ 1.0, 0.0 }",
                           const std::string &set_t = "")
    {
        lua(std::string("local t = def('") + name + "') " + set_t + " c_preload_model(t)\n" +
            "local w = WEAPON_preload('eshot') " + set_w + " WEAPON_add(w, " + seq + ")\n");
    }
    // An enemy of the type that has emerged and idles (its weapons run from now on).
    static Beastie *gunner(const char *name, float heading = 0.0f)
    {
        Beastie *b = make(name, 0, 0, heading);
        for (int i = 0; i < 60 && b->lifecycle != BEASTIE_IDLE; i++) {
            pass();
        }
        EXPECT_EQ(b->lifecycle, BEASTIE_IDLE);
        return b;
    }
    // The passes (from 0) on which bullets were added, over n passes.
    static std::vector<int> fire_ticks(int n)
    {
        std::vector<int> ticks;
        for (int i = 0; i < n; i++) {
            int before = g_bullet_count;
            pass();
            if (g_bullet_count != before) {
                ticks.push_back(i);
            }
        }
        return ticks;
    }
    static float turn_of(const float q[4]) { return 2.0f * atan2f(q[2], q[3]) * RAD2DEG; }
};

TEST_F(Weapons, SequenceOneThenZeroFiresWaitsASecondAndFiresAtOnceAgain)
{
    def_gunner("gunner", "");
    ship(0, 20);
    gunner("gunner");
    std::vector<int> t = fire_ticks(420);
    ASSERT_GE(t.size(), 6u);
    for (size_t i = 1; i < t.size(); i++) {
        int gap = t[i] - t[i - 1];
        if (i % 2) {
            EXPECT_EQ(gap, 1) << "reload 0.0: at once on the next tick";
        } else {
            EXPECT_GE(gap, 100) << "reload 1.0";
            EXPECT_LE(gap, 101);
        }
    }
    EXPECT_NEAR(g_bullets->heading, 0.0f, 1e-3f) << "towards the ship";
}

TEST_F(Weapons, NoShootDistanceAndAngleHoldFireAndWithoutAShipOnlyTheSequenceRuns)
{
    def_gunner("gunner", "w[w_gun_type] = 'fire_from_bone' w[w_gun_bone_name] = 'gun_x' w[w_no_shoot_angle] = 20",
               "{ 1.0, 0.5 }");
    Beastie *b = gunner("gunner");
    // No ship: the sequence still advances.
    int index = b->weapon_state.slots[0].seq_index;
    EXPECT_TRUE(fire_ticks(150).empty());
    EXPECT_NE(b->weapon_state.slots[0].seq_index, index);

    Gamer *g = ship(0, 9.5f);   // the muzzle stands at z 1: 8.5 away
    EXPECT_TRUE(fire_ticks(250).empty()) << "inside w_no_shoot_dist";
    g->position[0] = 20.0f;
    g->position[2] = 1.0f;
    EXPECT_TRUE(fire_ticks(250).empty()) << "90 degrees off the gun";
    g->position[0] = 3.0f;
    g->position[2] = 20.0f;
    EXPECT_FALSE(fire_ticks(250).empty()) << "9 degrees off";
}

TEST_F(Weapons, AFireAnimationHoldsTheTimersAndABodyAimerFiresWhenItFaces)
{
    def_gunner("aimer", "w[w_gun_type] = 'actor_body_aim' w[w_fire_anim_name] = 'turn_left' w[w_aim_anim_name] = 'pulse'",
               "{ 0.5 }");
    ship(0, 20);
    Beastie *b = gunner("aimer");
    WeaponSlot *s = &b->weapon_state.slots[0];
    int pulse = anim_find(b->anim.set, "pulse", 1);
    int fire = anim_find(b->anim.set, "turn_left", 1);
    s->reload = 0.005f;
    EXPECT_EQ(weapon_tick(&b->weapon_state), pulse) << "aiming";
    EXPECT_EQ(g_bullet_count, 1) << "facing the ship: fired at once";
    EXPECT_EQ(anim_is_playing(&b->anim, fire), 1);
    float reload = s->reload;
    EXPECT_NEAR(reload, 0.5f, 1e-6f);
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(weapon_tick(&b->weapon_state), -1) << "held by the fire animation";
        anim_update(&b->anim);
    }
    EXPECT_EQ(s->reload, reload);
    while (anim_is_playing(&b->anim, fire) == 1) {
        anim_update(&b->anim);
    }
    EXPECT_EQ(weapon_tick(&b->weapon_state), 0);
    EXPECT_LT(s->reload, reload);
}

TEST_F(Weapons, AShotOffGunHoldsFireAMissingGunFiresFromTheEnemyItself)
{
    def_gunner("bone", "w[w_gun_type] = 'fire_from_bone' w[w_gun_bone_name] = 'gun_x'");
    def_gunner("none", "w[w_gun_type] = 'around_only_aim' w[w_gun_bone_name] = 'nosuch' w[w_shaft_bone_name] = "
                       "'nosuch' w[w_barrel_offset] = 2");
    ship(20, 20);
    Beastie *shot_off = gunner("bone");
    shot_off->anim.bone_health[3] = 0.0f;
    EXPECT_TRUE(fire_ticks(250).empty());
    beasties_free_all();
    beasties_reset();

    Beastie *b = gunner("none", 30.0f);
    EXPECT_EQ(b->params->weapons[0].gun_bone, -1);
    std::vector<float> poses;
    for (int i = 0; i < b->anim.set->bone_count; i++) {
        float pose[7];
        anim_get_bone_pose(&b->anim, pose, i);
        poses.insert(poses.end(), pose, pose + 4);
    }
    std::vector<int> t = fire_ticks(250);
    ASSERT_FALSE(t.empty());
    Bullet *s = g_bullets;
    EXPECT_EQ(s->position[0], b->position[0]);
    EXPECT_EQ(s->position[1], b->position[1] + 2.0f);
    EXPECT_EQ(s->position[2], b->position[2]);
    EXPECT_NEAR(s->heading, 30.0f, 1e-3f) << "the heading of the enemy's own matrix";
    for (int i = 0; i < b->anim.set->bone_count; i++) {
        float now[7];
        anim_get_bone_pose(&b->anim, now, i);
        EXPECT_EQ(std::vector<float>(now, now + 4), std::vector<float>(&poses[4 * i], &poses[4 * i] + 4))
            << "no bone turned: " << i;
    }
}

TEST_F(Weapons, AnAroundOnlyAimShaftTurnsByTheBlendAndASecondWeaponRidesOnIt)
{
    lua("local t = def('turret') c_preload_model(t)\n"
        "local w = WEAPON_preload('eshot') w[w_gun_type] = 'around_only_aim' w[w_shaft_bone_name] = 'body'\n"
        "w[w_gun_bone_name] = 'gun_x' WEAPON_add(w, { 5.0 })\n"
        "WEAPON_add(w, { 5.0 })\n");
    ship(10, 10);
    Beastie *b = gunner("turret");
    const Weapon *w = b->params->weapons;
    EXPECT_EQ(w[0].gun_type, WEAPON_GUN_AROUND);
    EXPECT_EQ(w[1].gun_type, WEAPON_GUN_AROUND + WEAPON_GUN_RIDES);
    const int body = 2;
    // Wait for a fresh aim, then check the blend on each of the next ticks.
    const WeaponSlot *s = &b->weapon_state.slots[0];
    for (int i = 0; i < 200 && s->aim < 0.9f; i++) {
        pass();
    }
    float target = turn_of(s->aim_quat);
    for (int i = 0; i < 50; i++) {
        float pose[7];
        anim_get_bone_pose(&b->anim, pose, body);
        float before = turn_of(pose);
        pass();
        anim_get_bone_pose(&b->anim, pose, body);
        float u = 1.0f - s->aim / w[0].aim_delay;
        float keep = 1.0f - u * u;
        ASSERT_NEAR(turn_of(pose), before + (1.0f - keep) * (target - before), 0.05f) << i;
    }
    pass(60);
    const float *m = b->anim.matrices + 16 * (body + 1);
    EXPECT_NEAR(atan2f(-m[4], -m[6]) * RAD2DEG, 45.0f, 0.5f) << "the shaft points at the ship";
}

TEST_F(Weapons, RateFollowsTheSpeedAndShootFactorsRecoilActsNowAndNextTick)
{
    def_gunner("gunner", "w[w_recoil_dist] = 0.5", "{ 1.0 }", "t[cp_difficulty_adjust_shoot] = 50");
    ship(0, 20);
    Beastie *b = gunner("gunner");
    WeaponSlot *s = &b->weapon_state.slots[0];
    b->type->shoot_factor = 2.0f;
    g_speed_factor = 2.0f;
    float r = s->reload;
    weapon_tick(&b->weapon_state);
    EXPECT_NEAR(s->reload, r - 2.0f * (1.0f * 0.5f * 0.01f + 0.01f), 1e-6f);
    g_speed_factor = 0.5f;
    r = s->reload;
    weapon_tick(&b->weapon_state);
    EXPECT_NEAR(s->reload, r - 2.0f * 0.005f, 1e-6f);

    b->velocity[0] = b->velocity[2] = 0.0f;
    s->reload = 0.001f;
    weapon_tick(&b->weapon_state);
    ASSERT_EQ(g_bullet_count, 1);
    EXPECT_NEAR(b->velocity[2], -0.5f, 1e-6f) << "pushed back from the shot at once";
    EXPECT_NEAR(b->extra_velocity[2], -0.5f, 1e-6f) << "and once more by the next update";
}

TEST_F(Weapons, ShotsOfAnEnemyCategoryLaunchAsEnemiesThatTheLevelEndKills)
{
    lua("local m = def('rocket') c_preload_model(m)");
    def_gunner("launcher", "w[ci_actor_name] = 'rocket' w[w_bullet_scale] = 50");
    Gamer *g = ship(0, 20);
    Beastie *b = gunner("launcher");
    // A ship's missile: an enemy of category cat_bullet with its shooter.
    Beastie *missile = make("rocket", -20, 0);
    missile->category = (int)cat_bullet;
    missile->shooter = g;
    b->weapon_state.slots[0].reload = 0.001f;
    int before = main_count();
    weapon_tick(&b->weapon_state);
    ASSERT_EQ(main_count(), before + 1);
    EXPECT_EQ(g_bullet_count, 0);
    Beastie *launched = nullptr;
    for (Beastie *e = g_beasties; e; e = e->next) {
        if (e->weapon_shot) {
            launched = e;
        }
    }
    ASSERT_NE(launched, nullptr);
    EXPECT_EQ(launched->type, actortype_find("rocket"));
    EXPECT_FLOAT_EQ(launched->scale, 0.5f);
    EXPECT_EQ(launched->lifecycle, BEASTIE_MUTATING);
    EXPECT_NEAR(launched->target_point[2] - launched->position[2], 36.0f, 1e-3f);
    beasties_kill_bullets();
    EXPECT_EQ(launched->lifecycle, BEASTIE_DYING);
    EXPECT_NE(missile->lifecycle, BEASTIE_DYING) << "the ship's missile flies on";
    EXPECT_NE(b->lifecycle, BEASTIE_DYING);
}

TEST_F(Weapons, ANoBoneAimGunShootsAtTheShipWhereverItStands)
{
    def_gunner("gunner", "", "{ 0.3 }");
    Gamer *g = ship(20, 0);
    Beastie *b = gunner("gunner");
    const float spots[3][2] = {{20, 0}, {-14, -14}, {-6, 18}};
    for (const auto &spot : spots) {
        g->position[0] = spot[0];
        g->position[2] = spot[1];
        bullet_free_all();
        ASSERT_FALSE(fire_ticks(40).empty());
        // The newest shot left the muzzle for the ship, not along the enemy's heading.
        float to_ship = atan2f(spot[0] - g_bullets->position[0], spot[1] - g_bullets->position[2]) * RAD2DEG;
        EXPECT_NEAR(angle_wrap180(g_bullets->heading - to_ship), 0.0f, 3.0f) << spot[0] << ", " << spot[1];
        EXPECT_EQ(b->heading, 0.0f);
    }
}

TEST_F(Weapons, NoGunFiresWhileTheLevelIsNotInPlay)
{
    def_gunner("gunner", "", "{ 0.3 }");
    def_gunner("boned", "w[w_gun_type] = 'fire_from_bone' w[w_gun_bone_name] = 'gun_x'", "{ 0.3 }");
    def_gunner("aimer", "w[w_gun_type] = 'actor_body_aim'", "{ 0.3 }");
    ship(0, 20);
    for (const char *name : {"gunner", "boned", "aimer"}) {
        gunner(name);
    }
    g_level_playing = 0;
    EXPECT_TRUE(fire_ticks(200).empty());
    g_level_playing = 1;
    fire_ticks(40);
    EXPECT_GE(g_bullet_count, 3) << "all three fire once it is";
}

}  // namespace
