// Parameter blocks: each fix-up of the fill over the scripts' default table as
// c_preload_model hands it over, the move-target keywords, the no-contact block, and the
// copy and release of weapons.

#include "world/actorparams.h"

#include "script/lua_bind.h"
#include "tests/script/lua_test_support.h"
#include "tests/support/log_capture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class ActorParamsTest : public LuaStateTest {
protected:
    float cp[CP_COUNT];
    std::string move_target;
    ActorParams p;

    // The table ACTOR_preload gives, as c_preload_model hands it to the type.
    void SetUp() override
    {
        LuaStateTest::SetUp();
        ASSERT_EQ(lua_test_run("dofilx(\"actor.lua\")\n"
                               "c_preload_model(ACTOR_preload(\"probe\", \"dir/\", \"model\"))"),
                  0);
        memcpy(cp, g_lua_numbers, sizeof(cp));
        move_target = g_lua_strings[4];
        memset(&p, 0, sizeof(p));
    }
    void TearDown() override
    {
        actorparams_destroy(&p, 0);
        LuaStateTest::TearDown();
    }
    void fill()
    {
        actorparams_from_cp(&p, cp);
    }
};

TEST_F(ActorParamsTest, CategoryBelowEnemiesIsImmobileAndOnlyBulletsHit)
{
    cp[cp_actor_type] = 16.0f;
    cp[cp_move_type] = (float)(cmt_track | cmt_random);
    cp[cp_i_collide_with_beasties] = 32.0f;
    cp[cp_these_collide_with_me] = 8 + 16 + 32;
    cp[cp_in_screen_zoom_box] = 0.0f;
    fill();
    EXPECT_EQ(p.move_type, 0u);
    EXPECT_EQ(p.collide_mask, 0u);
    EXPECT_EQ(p.collided_by_mask, cat_bullet);
    EXPECT_EQ(p.in_beastie_count, 0);
    EXPECT_EQ(p.in_screen_zoom_box, 0);
    EXPECT_FLOAT_EQ(p.hit_delay, 0.01f);

    // Without cat_bullet nothing may hit it: both hit delays an hour.
    cp[cp_these_collide_with_me] = 8.0f;
    fill();
    EXPECT_EQ(p.collided_by_mask, 0u);
    EXPECT_EQ(p.hit_delay, 3600.0f);
    EXPECT_EQ(p.mutate_hit_delay, 3600.0f);
}

TEST_F(ActorParamsTest, CollideMaskGainsAnyBeastieAndLosesPlayer)
{
    cp[cp_move_type] = (float)cmt_track;
    cp[cp_i_collide_with_beasties] = (float)(cat_player | cat_robot);
    fill();
    EXPECT_EQ(p.collide_mask, cat_robot | cat_any_beastie);

    cp[cp_i_collide_with_beasties] = (float)(cat_player | cat_fence);
    fill();
    EXPECT_EQ(p.collide_mask, cat_fence);   // 10 names no enemy category
}

TEST_F(ActorParamsTest, AvoidAlwaysClearedRepelledNeedsBitAndMask)
{
    cp[cp_move_type] = (float)(cmt_track | cmt_avoid | cmt_repelled);
    cp[cp_i_avoid_these_beasties] = 32.0f;
    cp[cp_i_am_repelled_by] = 0.0f;
    fill();
    EXPECT_EQ(p.move_type, cmt_track);
    EXPECT_EQ(p.avoid_mask, 0u);

    cp[cp_i_am_repelled_by] = 64.0f;
    fill();
    EXPECT_EQ(p.move_type, cmt_track | cmt_repelled);
    EXPECT_EQ(p.repelled_by_mask, 64u);

    cp[cp_move_type] = (float)cmt_track;
    fill();
    EXPECT_EQ(p.move_type, cmt_track);
    EXPECT_EQ(p.repelled_by_mask, 0u);
}

TEST_F(ActorParamsTest, RollingOrFacingAppliesNoDirection)
{
    cp[cp_move_type] = (float)cmt_face_gamer;
    fill();
    EXPECT_EQ(p.move_type, cmt_face_gamer | cmt_apply_no_dirn);

    // Rolling is added by the multiplier itself, so even a still type rolls.
    cp[cp_move_type] = 0.0f;
    cp[cp_rolly_polly_multiply] = 1.5f;
    fill();
    EXPECT_EQ(p.move_type, cmt_rolly_polly | cmt_apply_no_dirn);

    cp[cp_move_type] = (float)cmt_track;
    cp[cp_rolly_polly_multiply] = 1.0f;
    fill();
    EXPECT_EQ(p.move_type, cmt_track);
}

TEST_F(ActorParamsTest, AngleGridOnlyAboveOne)
{
    cp[cp_move_type] = (float)cmt_track;
    for (float size : {0.0f, 1.0f}) {
        cp[cp_angle_grid_size] = size;
        fill();
        EXPECT_EQ(p.angle_grid_size, 1.0f) << size;
        EXPECT_EQ(p.move_type, cmt_track) << size;
    }
    cp[cp_angle_grid_size] = 45.0f;
    fill();
    EXPECT_EQ(p.angle_grid_size, 45.0f);
    EXPECT_EQ(p.move_type, cmt_track | cmt_angle_grid);

    cp[cp_move_type] = 0.0f;   // a still type keeps the size but gets no grid bit
    fill();
    EXPECT_EQ(p.angle_grid_size, 45.0f);
    EXPECT_EQ(p.move_type, 0u);
}

TEST_F(ActorParamsTest, MinimaAndRangesClampedEdgeAndSpawnRangesNot)
{
    cp[cp_move_speed_min] = -1.0f;
    cp[cp_move_speed_max] = 3.0f;
    cp[cp_burst_length_min] = 2.0f;
    cp[cp_burst_length_max] = 1.0f;
    cp[cp_launch_scale_min] = 50.0f;
    cp[cp_launch_scale_max] = 150.0f;
    cp[cp_spin_speed_min] = 4.0f;
    cp[cp_spin_speed_max] = -2.0f;
    cp[cp_target_delay_min] = -1.0f;
    cp[cp_target_delay_max] = 0.5f;
    cp[cp_move_inertia_accn] = -0.5f;
    cp[cp_move_inertia_decn] = 1.5f;
    cp[cp_turn_inertia_still] = 0.25f;
    cp[cp_turn_inertia_moving] = 2.0f;
    cp[cp_random_edge_inner_percent] = 80.0f;
    cp[cp_random_edge_outer_percent] = 20.0f;
    cp[cp_num_spawn_min] = 3.0f;
    cp[cp_num_spawn_max] = 1.0f;
    cp[cp_scale_spawn_min] = 150.0f;
    cp[cp_scale_spawn_max] = 50.0f;
    fill();
    EXPECT_EQ(p.move_speed_min, 0.0f);
    EXPECT_EQ(p.move_speed_range, 3.0f);
    EXPECT_EQ(p.burst_length_min, 2.0f);
    EXPECT_EQ(p.burst_length_range, 0.0f);
    EXPECT_FLOAT_EQ(p.launch_scale_min, 0.5f);
    EXPECT_FLOAT_EQ(p.launch_scale_range, 1.0f);
    EXPECT_EQ(p.spin_speed_min, 4.0f);
    EXPECT_EQ(p.spin_speed_range, 0.0f);
    EXPECT_EQ(p.target_delay_min, 0.0f);
    EXPECT_EQ(p.target_delay_range, 0.5f);
    EXPECT_EQ(p.move_inertia_accn, 0.0f);
    EXPECT_EQ(p.move_inertia_decn, 1.0f);
    EXPECT_EQ(p.turn_inertia_still, 0.25f);
    EXPECT_EQ(p.turn_inertia_moving, 1.0f);
    EXPECT_FLOAT_EQ(p.random_edge_range, -0.6f);
    EXPECT_EQ(p.num_spawn_range, -2.0f);
    EXPECT_FLOAT_EQ(p.scale_spawn_range, -1.0f);

    // Below the enemy categories the target delay range is the maximum itself.
    cp[cp_target_delay_min] = 0.2f;
    fill();
    EXPECT_FLOAT_EQ(p.target_delay_range, 0.3f);
    cp[cp_actor_type] = 16.0f;
    fill();
    EXPECT_EQ(p.target_delay_range, 0.5f);
}

TEST_F(ActorParamsTest, TrajectoryOffsetBelowOneNeverRedraws)
{
    cp[cp_random_trajectory_offset] = 0.9f;
    cp[cp_random_trajectory_offset_delay_min] = 1.0f;
    cp[cp_random_trajectory_offset_delay_max] = 3.0f;
    fill();
    EXPECT_EQ(p.random_trajectory_offset, 0.0f);
    EXPECT_EQ(p.random_trajectory_delay_min, 3600.0f);
    EXPECT_EQ(p.random_trajectory_delay_range, 3600.0f);

    cp[cp_random_trajectory_offset] = 1.0f;
    fill();
    EXPECT_EQ(p.random_trajectory_offset, 1.0f);
    EXPECT_EQ(p.random_trajectory_delay_min, 1.0f);
    EXPECT_EQ(p.random_trajectory_delay_range, 2.0f);
}

TEST_F(ActorParamsTest, MoveTargetKeywords)
{
    const std::string long63(63, 'a');
    const std::string long64(64, 'a');
    struct Case {
        std::string name;
        uint32_t bits;
        const char *target;
    } cases[] = {
        {move_target, cmt_track | cmt_track_player, ""},   // the scripts' default: the nearest player
        {"", cmt_track | cmt_track_player, ""},
        {long64, cmt_track | cmt_track_player, ""},
        {"track_player_2", cmt_track | cmt_track_player, ""},
        {"start_position_again", cmt_target_start_position, ""},
        {"nearest_beastie_any", cmt_target_nearest_beastie, ""},
        {"turret_1_big", cmt_track, "turret_1_big"},
        {long63, cmt_track, long63.c_str()},
    };
    cp[cp_move_type] = (float)cmt_track;
    for (const Case &c : cases) {
        fill();
        actorparams_set_move_target(&p, c.name.c_str());
        EXPECT_EQ(p.move_type, c.bits) << c.name;
        EXPECT_STREQ(p.move_target_name, c.target) << c.name;
    }
    // Without cmt_track the name is not read.
    cp[cp_move_type] = (float)cmt_random;
    fill();
    actorparams_set_move_target(&p, "start_position");
    actorparams_set_move_target(&p, "turret_1_big");
    EXPECT_EQ(p.move_type, cmt_random);
    EXPECT_STREQ(p.move_target_name, "");
}

TEST_F(ActorParamsTest, NoContactBlock)
{
    cp[cp_move_type] = (float)(cmt_track | cmt_repelled);
    cp[cp_i_collide_with_beasties] = 32.0f;
    cp[cp_i_am_repelled_by] = 32.0f;
    fill();
    actorparams_set_no_contact(&p);
    EXPECT_EQ(p.hit_delay, 3600.0f);
    EXPECT_EQ(p.mutate_hit_delay, 3600.0f);
    EXPECT_EQ(p.in_beastie_count, 0);
    EXPECT_EQ(p.move_type, 0u);
    EXPECT_EQ(p.collide_mask, 0u);
    EXPECT_EQ(p.collided_by_mask, 0u);
    EXPECT_EQ(p.avoid_mask, 0u);
}

// A block with two weapons, two random animations and a move slot.
void give_weapons(ActorParams *b, float first)
{
    const float seq_a[] = {first, 0.0f};
    const float seq_b[] = {first + 1.0f, first + 2.0f, first + 3.0f};
    b->weapons[0].gun_type = WEAPON_GUN_AROUND;
    b->weapons[0].shaft_bone = 4;
    ASSERT_EQ(actorparams_weapon_seq(&b->weapons[0], seq_a, 2), 0);
    b->weapons[1].gun_type = WEAPON_GUN_AROUND + WEAPON_GUN_RIDES;
    ASSERT_EQ(actorparams_weapon_seq(&b->weapons[1], seq_b, 3), 0);
    b->weapon_count = 2;
    b->random_anims[0].anim = 3;
    b->random_anims[1].anim = 5;
    b->random_anims[1].delay_range = 2.5f;
    b->random_anim_count = 2;
    b->move_slots[MOVE_SLOT_TURN_LEFT] = {0.5f, 0.25f, 7};
}

TEST_F(ActorParamsTest, CopyGivesEachWeaponItsOwnSequence)
{
    ActorParams *base = new ActorParams();
    ActorParams *state = new ActorParams();
    actorparams_from_cp(base, cp);
    give_weapons(base, 1.0f);
    cp[cp_score] = 500.0f;
    actorparams_from_cp(state, cp);
    give_weapons(state, 10.0f);   // the copy frees these first (leak check)

    ASSERT_EQ(actorparams_copy(state, base), 0);
    EXPECT_EQ(state->score, 500);   // nothing but slots, anims and weapons is copied
    EXPECT_EQ(state->move_slots[MOVE_SLOT_TURN_LEFT].anim, 7);
    EXPECT_EQ(state->move_slots[MOVE_SLOT_FORWARD].anim, -1);
    ASSERT_EQ(state->random_anim_count, 2);
    EXPECT_EQ(state->random_anims[1].anim, 5);
    EXPECT_EQ(state->random_anims[1].delay_range, 2.5f);
    ASSERT_EQ(state->weapon_count, 2);
    EXPECT_EQ(state->weapons[1].gun_type, 6);
    EXPECT_EQ(state->weapons[0].shaft_bone, 4);
    for (int i = 0; i < 2; i++) {
        EXPECT_NE(state->weapons[i].seq, base->weapons[i].seq) << i;
        EXPECT_EQ(state->weapons[i].seq_count, base->weapons[i].seq_count) << i;
    }

    // Either block goes first; the other's sequences stay readable.
    actorparams_destroy(base, 1);
    EXPECT_EQ(state->weapons[0].seq[0], 1.0f);
    EXPECT_EQ(state->weapons[1].seq[2], 4.0f);
    actorparams_destroy(state, 1);
}

TEST_F(ActorParamsTest, ClearWeaponsThenDestroyFreesOnce)
{
    fill();
    give_weapons(&p, 1.0f);
    actorparams_clear_weapons(&p);
    EXPECT_EQ(p.weapon_count, 0);
    EXPECT_EQ(p.weapons[0].seq, nullptr);
    actorparams_destroy(&p, 0);   // nothing left to free; TearDown frees once more

    LogCapture log;
    EXPECT_EQ(actorparams_weapon_seq(&p.weapons[0], nullptr, 0), -1);
    EXPECT_EQ(p.weapons[0].seq_count, 0);
    EXPECT_EQ(log.errors(), 1);
}

}  // namespace
