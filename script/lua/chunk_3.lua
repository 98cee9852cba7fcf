-- chunk_3.lua -- the smallest rubble of a broken wall or blocker.

local t = ACTOR_preload("chunk_3", "beasties", "chunk_3")
t[cp_actor_type] = cat_beastie
t[cp_move_type] = cmt_random + cmt_fixed_dirn
t[cp_move_speed_min] = 0.15
t[cp_move_speed_max] = 0.3
t[cp_move_deceleration] = 0.002
t[cp_move_inertia_accn] = 0.96
t[cp_spin_speed_min] = 2.0
t[cp_spin_speed_max] = 6.0
-- Its tumble ("spin1_x") plays at 1..2 times its own pace whenever it is set spinning.
t[cp_turn_speed_moving] = 1.0
t[cp_fence_bounce_percent] = 80
t[cp_launch_scale_min] = 50
t[cp_launch_scale_max] = 60.0
t[cp_hit_power] = 1.0
t[cp_health_percent] = 40
t[cp_score] = 20
t[cp_in_beastie_count] = 0
c_preload_model(t)

-- Rubble settles after a while.
c_set_trigger_mutate("byebye", "my_time_alive", 3, 5, 1, 1, 100, 100)
