-- chunk_1.lua -- a slab of a broken wall or blocker that tumbles away; shot, it breaks
-- smaller.

if c_is_model_preloaded("chunk_2") ~= 0 then
    dofilx("chunk_2.lua")
end

local t = ACTOR_preload("chunk_1", "beasties", "chunk_1")
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
t[cp_launch_scale_min] = 90
t[cp_launch_scale_max] = 108.0
t[cp_hit_power] = 1.0
t[cp_health_percent] = 40
t[cp_score] = 20
t[cp_in_beastie_count] = 0
c_preload_model(t)

-- Rubble settles after a while.
c_set_trigger_mutate("byebye", "my_time_alive", 5, 7, 1, 1, 100, 100)
-- Shot, it breaks into smaller rubble.
c_set_trigger_mutate("chunk_2", "my_health", 0, 0, 2, 2, 90, 110)

-- Explosions: rising from the floor, dying, sinking back and mutating.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_set_use_explosion_for("bye_bye", "burst_small", exp_no_align, 30, 0, 80, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_set_use_explosion_for("mutate", "ring_mutate", exp_no_align, 0, 0, 50, 60, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_small", "explode", "exp_small")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
c_add_sound_to_explosion("ring_mutate", "explode", "exp_mutate")
