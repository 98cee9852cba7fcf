-- crystal_medium.lua -- a crystal that drifts and spins; shattered, it splits into small
-- crystals.

if c_is_model_preloaded("crystal_small") ~= 0 then
    dofilx("crystal_small.lua")
end

local t = ACTOR_preload("crystal_medium", "beasties", "crystal")
t[cp_actor_type] = cat_crystal
t[cp_move_type] = cmt_random + cmt_fixed_dirn
t[cp_move_speed_min] = 0.1
t[cp_move_speed_max] = 0.13999999999999999
t[cp_move_inertia_accn] = 0.97
-- The speed of its tumble ("spin1_x" plays at this speed up to twice it).
t[cp_turn_speed_moving] = 1.0
t[cp_spin_speed_min] = 0.5
t[cp_spin_speed_max] = 2.0
t[cp_fence_bounce_percent] = 100
t[cp_launch_scale_min] = 80
t[cp_launch_scale_max] = 88.0
t[cp_hit_power] = 1.0
t[cp_health_percent] = 100
t[cp_score] = 100
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "crystal_hit")
c_add_sound_to_event("hit_null_bone", "crystal_ping")
c_add_sound_to_event("hit_fence", "crystal_fence")
c_add_sound_to_anim("byebye", "crystal_die")
c_add_sound_to_anim("glint", "crystal_glint", 1)

c_set_random_anim("glint", 60, 140, 1, 3)

-- Shattered, it breaks into smaller crystals.
c_set_trigger_mutate("crystal_small", "my_health", 0, 0, 2, 3, 90, 110)

-- Explosions: rising from the floor, dying, sinking back and mutating.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("mutate", "ring_mutate", exp_no_align, 0, 0, 100, 130, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
c_add_sound_to_explosion("ring_mutate", "explode", "exp_mutate")
