-- trailer_1.lua -- the trailer: follows a path round the arena, dropping a trail of mines
-- behind it.

if c_is_model_preloaded("trailer_trash") ~= 0 then
    dofilx("trailer_trash.lua")
end

local t = ACTOR_preload("trailer_1", "beasties", "trailer_1")
t[cp_actor_type] = cat_beastie
t[cp_move_type] = cmt_path + cmt_random
t[cp_move_speed_min] = 0.16
t[cp_move_speed_max] = 0.2
t[cp_move_inertia_accn] = 0.9
t[cp_turn_speed_moving] = 3.0
t[cp_hit_power] = 1.0
t[cp_health_percent] = 150
t[cp_score] = 300
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "trailer_1_hit")
c_add_sound_to_event("hit_null_bone", "trailer_1_ping")
c_add_sound_to_event("hit_fence", "trailer_1_fence")
c_add_sound_to_anim("byebye", "trailer_1_die")
c_add_sound_to_anim("trail", "trailer_1_drop", 1)

-- A mine from its tail on every beat of its trail (1.5 s), as the chute opens (from 90 %
-- of the trail's progress); the early part of each beat arms the next one.
c_set_trigger_spawn("trailer_trash", "trail", "tail_x", 90, 1.5, 0, 3)

-- Explosions: rising from the floor, dying, sinking back and mutating.
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("mutate", "ring_mutate", exp_no_align, 0, 0, 100, 130, { 0 })
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
c_add_sound_to_explosion("ring_mutate", "explode", "exp_mutate")
