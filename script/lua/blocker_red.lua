-- blocker_red.lua -- the red blocker: a slow, heavy slab that shoves toward the ship and
-- soaks up shots.

if c_is_model_preloaded("chunk_1") ~= 0 then
    dofilx("chunk_1.lua")
end

local t = ACTOR_preload("blocker_red", "beasties", "blocker_red")
t[cp_actor_type] = cat_blocker
t[cp_move_type] = cmt_track
t[cp_move_speed_min] = 0.04
t[cp_move_speed_max] = 0.06
t[cp_move_inertia_accn] = 0.97
t[cp_turn_speed_moving] = 1.0
t[cp_weight] = 6.0
t[cp_hit_power] = 1.0
t[cp_health_percent] = 300
t[cp_score] = 300
t[cp_level_end_score] = 100
c_preload_model(t)

-- Broken, it falls apart into three slabs.
c_set_trigger_mutate("chunk_1", "my_health", 0, 0, 3, 3, 80, 100)

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("bye_bye_damagable", "burst_medium", exp_no_align, 40, 0, 90, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
