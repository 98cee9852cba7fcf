// Enemy movement: the turn rate's dead zone, lock angles and inertia, bursts, the way back
// to the launch point, fixed directions with their barrier bounce and slowing, the
// 90-degree grid, repellers, trackers meeting, and turning by animation.

#include "tests/world/beastie_fixture.h"

#include "world/beastie_local.h"

namespace {

class Movement : public EnemyArena {
protected:
    // An enemy of the type already in the moving state (its emerging skipped).
    static Beastie *mover(const char *type_name, float x, float z, float heading = 0.0f)
    {
        Beastie *b = make(type_name, x, z, heading, "", 0.0f, false);
        b->lifecycle = BEASTIE_MOVING;
        return b;
    }
};

TEST_F(Movement, TurnRateDeadZoneLockAnglesAndInertia)
{
    lua("local t = def('turner', 'bare') t[cp_move_type] = cmt_random\n"
        "t[cp_turn_speed_moving] = 4 t[cp_turn_acceleration_moving] = 0.3\n"
        "t[cp_turn_speed_still] = 4 t[cp_turn_acceleration_still] = 10 t[cp_turn_inertia_still] = 0.5\n"
        "t[cp_turn_lock_angle_outer] = 360 c_preload_model(t)\n"
        "t[cp_turn_lock_angle_outer] = 90 t[cp_turn_lock_angle_inner] = 30 t[cp_actor_name] = 'locker'\n"
        "c_preload_model(t)\n");
    // 2.9 degrees off: no wanted rate, the rate only decays to 0 without crossing it.
    Beastie *b = mover("turner", 0, 0);
    b->turn_rate = 1.0f;
    std::vector<float> rates;
    for (int i = 0; i < 6; i++) {
        beastie_turn_towards(b, b->heading + 2.9f);
        rates.push_back(b->turn_rate);
    }
    EXPECT_NEAR(rates[0], 0.7f, 1e-6f);
    EXPECT_NEAR(rates[2], 0.1f, 1e-6f);
    EXPECT_EQ(rates[3], 0.0f);
    EXPECT_EQ(rates[5], 0.0f);

    // An outer lock angle of 360 never turns on the spot.
    EXPECT_EQ(beastie_turn_towards(b, b->heading - 179.0f), 2);
    EXPECT_EQ(b->lifecycle, BEASTIE_MOVING);

    // 90 and 30: beyond 90 it stops to turn, with the still set and its inertia; below 30
    // it moves on.
    Beastie *c = mover("locker", 10, 0);
    EXPECT_EQ(beastie_turn_towards(c, 120.0f), 1);
    EXPECT_EQ(c->lifecycle, BEASTIE_TURNING);
    EXPECT_EQ(c->turn_rate, 2.0f) << "the limit 4 blended half with the previous 0";
    beastie_turn_towards(c, c->heading + 60.0f);
    EXPECT_EQ(c->lifecycle, BEASTIE_TURNING) << "60 is beyond the inner 30";
    EXPECT_EQ(c->turn_rate, 3.0f);
    beastie_turn_towards(c, c->heading + 20.0f);
    EXPECT_EQ(c->lifecycle, BEASTIE_MOVING);
}

TEST_F(Movement, BurstPausesHoldTheSpeedAtZeroWhileTheTurnGoesOn)
{
    lua("local t = def('pacer', 'bare') t[cp_move_type] = cmt_target_start_position\n"
        "t[cp_move_speed_min] = 0.2 t[cp_move_speed_max] = 0.2 t[cp_move_acceleration] = 0.05\n"
        "t[cp_move_inertia_accn] = 0.5 t[cp_move_inertia_decn] = 0.25\n"
        "t[cp_turn_speed_moving] = 1 t[cp_turn_acceleration_moving] = 1\n"
        "t[cp_burst_length_min] = 0.2 t[cp_burst_length_max] = 0.2\n"
        "t[cp_burst_delay_min] = 0.3 t[cp_burst_delay_max] = 0.3 c_preload_model(t)\n");
    Beastie *b = mover("pacer", 0, 0);
    b->target_point[0] = 0.0f;
    b->target_point[2] = -50.0f;   // behind it: it turns all the time
    int paused = 0;
    float last_heading = b->heading;
    for (int i = 0; i < 60; i++) {
        float v0 = b->velocity[2];
        float last = b->speed;
        beastie_move(b);
        if (b->burst_pause > 0.0f) {
            paused++;
            EXPECT_EQ(b->speed, 0.0f);
            EXPECT_NEAR(b->velocity[2], 0.25f * v0, 1e-6f) << "slowing blends with the decn inertia";
        } else if (b->speed > last) {
            float want = cosf(b->heading * DEG2RAD) * b->speed;
            EXPECT_NEAR(b->velocity[2], 0.5f * v0 + 0.5f * want, 1e-6f) << "speeding up blends with accn";
        }
        EXPECT_NE(b->heading, last_heading) << "turning at tick " << i;
        last_heading = b->heading;
    }
    EXPECT_GE(paused, 25);
}

TEST_F(Movement, StartPositionEnemiesGoBackToTheirLaunchPoint)
{
    lua("local t = def('homer', 'bare') t[cp_move_type] = cmt_target_start_position\n"
        "t[cp_move_speed_min] = 0.3 t[cp_move_speed_max] = 0.3 t[cp_move_acceleration] = 0.05\n"
        "t[cp_move_deceleration] = 0.05 t[cp_target_stop_dist] = 1\n"
        "t[cp_turn_speed_moving] = 10 t[cp_turn_acceleration_moving] = 10 c_preload_model(t)\n");
    Beastie *b = make("homer", 10, 10);
    pass(2);
    ASSERT_EQ(b->lifecycle, BEASTIE_MOVING);
    b->position[0] = 30.0f;
    b->position[2] = -20.0f;
    pass(400);
    EXPECT_LT(std::sqrt((b->position[0] - 10.0f) * (b->position[0] - 10.0f) +
                        (b->position[2] - 10.0f) * (b->position[2] - 10.0f)),
              1.5f);
}

TEST_F(Movement, FixedDirectionKeepsItsHeadingSlowsByInertiaAndBouncesAtBarriers)
{
    lua("local t = def('drifter', 'bare') t[cp_move_type] = cmt_fixed_dirn\n"
        "t[cp_move_speed_min] = 0.2 t[cp_move_speed_max] = 0.2 t[cp_move_inertia_decn] = 0.99\n"
        "t[cp_spin_speed_min] = 1 t[cp_spin_speed_max] = 2 t[cp_turn_speed_moving] = 1\n"
        "t[cp_i_collide_with_beasties] = cat_fence c_preload_model(t)\n");
    Beastie *b = make("drifter", 0, 0, 30.0f);
    pass();
    ASSERT_EQ(b->lifecycle, BEASTIE_MOVING);
    EXPECT_NEAR(b->velocity[0], 0.2f * sinf(30.0f * DEG2RAD), 1e-6f);
    EXPECT_NE(anim_is_playing(&b->anim, anim_find(b->anim.set, "spin1_x", 1)), 0) << "tumbles";
    float target[3] = {b->target_point[0], b->target_point[1], b->target_point[2]};
    float v0 = b->velocity[2];
    pass(50);
    EXPECT_EQ(b->heading, 30.0f);
    EXPECT_EQ(b->target_point[0], target[0]) << "never chooses a target";
    EXPECT_NEAR(b->velocity[2], v0 * std::pow(0.99f, 50.0f), 1e-5f);

    g_fizz_bounce_angle = -90.0f;
    beastie_hit_barrier(b);
    EXPECT_EQ(b->bounce_counter, 9);
    EXPECT_GE(b->heading, -135.0f);
    EXPECT_LE(b->heading, -45.0f);
    EXPECT_NEAR(b->velocity[0], 0.2f * sinf(b->heading * DEG2RAD), 1e-6f) << "off at full speed";
}

TEST_F(Movement, TheNinetyDegreeGridMovesAlongTheAxes)
{
    lua("local t = def('rook', 'bare') t[cp_move_type] = cmt_angle_grid + cmt_target_start_position\n"
        "t[cp_angle_grid_size] = 90 t[cp_target_stop_dist] = 10\n"
        "t[cp_move_speed_min] = 0.2 t[cp_move_speed_max] = 0.2 t[cp_move_acceleration] = 0.2\n"
        "t[cp_turn_speed_moving] = 90 t[cp_turn_acceleration_moving] = 90 c_preload_model(t)\n");
    Beastie *b = mover("rook", 0, 0);
    // Far in both x and z, heading on the grid and the target within 90 degrees: straight on.
    b->target_point[0] = 20.0f;
    b->target_point[2] = 20.0f;
    beastie_move(b);
    EXPECT_EQ(b->heading, 0.0f);
    // Far in x only: across.
    b->target_point[0] = 20.0f;
    b->target_point[2] = b->position[2] + 3.0f;
    beastie_move(b);
    EXPECT_EQ(b->heading, 90.0f);
    // Near in x: along z, backwards.
    b->target_point[0] = b->position[0] + 1.0f;
    b->target_point[2] = b->position[2] - 30.0f;
    beastie_move(b);
    beastie_move(b);
    EXPECT_EQ(std::fabs(b->heading), 180.0f);
}

TEST_F(Movement, ARepellerSendsTheTargetAThousandUnitsAway)
{
    lua("local t = def('shy', 'bare') t[cp_move_type] = cmt_repelled + cmt_random t[cp_repel_dist] = 10\n"
        "t[cp_i_am_repelled_by] = cat_robot c_preload_model(t)\n"
        "c_preload_model(def('bully', 'bare', cat_robot))\n");
    Beastie *b = mover("shy", 0, 0);
    Beastie *r = make("bully", 3, 4);
    pass(2);
    b->retarget_timer = 0.0f;
    beastie_pick_target(b);
    EXPECT_NEAR(b->target_point[0], b->position[0] - 600.0f, 1e-3f);
    EXPECT_NEAR(b->target_point[2], b->position[2] - 800.0f, 1e-3f);
    r->position[0] = 30.0f;   // out of reach: the edge target again
    b->retarget_timer = 0.0f;
    beastie_pick_target(b);
    EXPECT_NEAR(b->target_point[0], b->edge_target[0] + b->random_offset[0], 1e-6f);
}

TEST_F(Movement, TwoTrackersOfOneTypeMeet)
{
    lua("local t = def('pal', 'bare') t[cp_move_type] = cmt_track t[cp_move_target] = 'pal'\n"
        "t[cp_move_speed_min] = 0.1 t[cp_move_speed_max] = 0.1 t[cp_move_acceleration] = 0.05\n"
        "t[cp_move_deceleration] = 0.05 t[cp_target_stop_dist] = 1\n"
        "t[cp_turn_speed_moving] = 10 t[cp_turn_acceleration_moving] = 10 t[cp_i_collide_with_beasties] = 0\n"
        "c_preload_model(t)\n");
    Beastie *a = make("pal", 0, 0);
    Beastie *b = make("pal", 12, 0);
    pass(2);
    ASSERT_EQ(a->lifecycle, BEASTIE_MOVING);
    pass(200);
    EXPECT_LT(vec_dist2_xz(a->position, b->position), 2.0f);
    EXPECT_EQ(a->target_point[0], b->target_point[0]) << "one meeting point";
}

TEST_F(Movement, AFinishedTurnAnimationAddsItsBonesYaw)
{
    lua("local t = def('spider', 'bare') t[cp_move_type] = cmt_anim_to_turn + cmt_target_start_position\n"
        "t[cp_turn_lock_angle_outer] = 30 t[cp_turn_lock_angle_inner] = 5\n"
        "c_preload_model(t)\n"
        "c_set_use_anim_for('turn_left', 'turn_left', 100, 100)\n"
        "c_set_use_anim_for('turn_right', 'turn_right', 100, 100)\n");
    Beastie *b = make("spider", 0, 0);
    pass(2);
    ASSERT_EQ(b->lifecycle, BEASTIE_MOVING);
    b->target_point[0] = 20.0f * sinf(PROBE_TURN * DEG2RAD);   // as far to the left as one turn
    b->target_point[2] = 20.0f * cosf(PROBE_TURN * DEG2RAD);
    pass();
    EXPECT_EQ(b->lifecycle, BEASTIE_TURNING);
    EXPECT_EQ(b->turn_anim, 1);
    for (int i = 0; i < 40 && b->turn_anim; i++) {
        pass();
    }
    EXPECT_NEAR(b->heading, PROBE_TURN, 1e-3f);
    EXPECT_NEAR(b->angles[1], PROBE_TURN, 1e-3f);
    float pose[7];
    anim_get_bone_pose(&b->anim, pose, PROBE_TURN_BONE);
    EXPECT_NEAR(pose[3], 1.0f, 1e-6f) << "the bone back at its reference";
}

}  // namespace
