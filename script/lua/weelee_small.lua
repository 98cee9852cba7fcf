-- weelee_small.lua -- the small weelee: a ball on two wheels that rolls after the ship and
-- lobs bouncing shots.

if c_is_model_preloaded("bullet_weelee") ~= 0 then
    dofilx("bullet_weelee.lua")
end

local t = ACTOR_preload("weelee_small", "beasties", "weelee_small")
t[cp_actor_type] = cat_beastie
t[cp_move_type] = cmt_track + cmt_anim_to_move
-- Moved by its move animation: the move speeds are that animation's playing speed.
t[cp_move_speed_min] = 0.82
t[cp_move_speed_max] = 1.18
t[cp_move_acceleration] = 0.01
t[cp_move_inertia_accn] = 0.9
t[cp_turn_speed_moving] = 3.5
t[cp_hit_power] = 1.0
t[cp_score] = 120
c_preload_model(t)
-- It moves by its rolling animation: its speed is the ground the roll covers.
c_set_use_anim_for("move_forward", "roll", 80, 120)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "weelee_small_hit")
c_add_sound_to_event("hit_null_bone", "weelee_small_ping")
c_add_sound_to_event("hit_fence", "weelee_small_fence")
c_add_sound_to_anim("byebye", "weelee_small_die")
c_add_sound_to_anim("roll", "weelee_small_squeak", 1)

c_add_some_wheels("wheel_l_x", "wheel_r_x", 1.0, 1.0)
local w = WEAPON_preload("bullet_weelee")
w[w_flare_exp_name] = "flash_small"
w[w_gun_type] = "fire_from_bone"
w[w_gun_bone_name] = "gun_x"
w[w_reload_random] = 30
WEAPON_add(w, { 2.5, 2.0 })

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
