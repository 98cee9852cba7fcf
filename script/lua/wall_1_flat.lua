-- wall_1_flat.lua -- the sliding wall: a flat slab that crosses the arena on a straight
-- line and bounces off the fence.

if c_is_model_preloaded("chunk_1") ~= 0 then
    dofilx("chunk_1.lua")
end

local t = ACTOR_preload("wall_1_flat", "beasties", "wall_1_flat")
t[cp_actor_type] = cat_block
t[cp_move_type] = cmt_fixed_dirn
t[cp_move_speed_min] = 0.05
t[cp_move_speed_max] = 0.07
t[cp_fence_bounce_percent] = 100
-- The light along its top ("spin1_x") runs whenever it is set moving.
t[cp_turn_speed_moving] = 0.8
t[cp_weight] = 10.0
t[cp_hit_power] = 1.0
t[cp_i_collide_with_beasties] = cat_player + cat_beastie
t[cp_health_percent] = 500
t[cp_score] = 500
t[cp_level_end_score] = 200
c_preload_model(t)

-- Broken, it falls apart into four slabs.
c_set_trigger_mutate("chunk_1", "my_health", 0, 0, 4, 4, 90, 110)

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("bye_bye_damagable", "burst_medium", exp_no_align, 40, 0, 90, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
