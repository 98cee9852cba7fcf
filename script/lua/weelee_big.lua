-- weelee_big.lua -- the big weelee: a heavy roller that drops chasing mines and, when
-- broken, falls apart into small weelees.

if c_is_model_preloaded("bullet_weelee") ~= 0 then
    dofilx("bullet_weelee.lua")
end
if c_is_model_preloaded("missile_weelee") ~= 0 then
    dofilx("missile_weelee.lua")
end
if c_is_model_preloaded("weelee_small") ~= 0 then
    dofilx("weelee_small.lua")
end

local t = ACTOR_preload("weelee_big", "beasties", "weelee_big")
t[cp_actor_type] = cat_beastie
t[cp_move_type] = cmt_track + cmt_anim_to_move
-- Moved by its move animation: the move speeds are that animation's playing speed.
t[cp_move_speed_min] = 0.82
t[cp_move_speed_max] = 1.18
t[cp_move_acceleration] = 0.005
t[cp_move_inertia_accn] = 0.93
t[cp_turn_speed_moving] = 2.0
t[cp_hit_power] = 1.0
t[cp_weight] = 4.0
t[cp_health_percent] = 250
t[cp_score] = 400
c_preload_model(t)
-- It moves by its rolling animation: its speed is the ground the roll covers.
c_set_use_anim_for("move_forward", "roll", 80, 120)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "weelee_big_hit")
c_add_sound_to_event("hit_null_bone", "weelee_big_ping")
c_add_sound_to_event("hit_fence", "weelee_big_fence")
c_add_sound_to_anim("byebye", "weelee_big_die")
c_add_sound_to_anim("roll", "weelee_big_rumble", 1)

c_add_some_wheels("wheel_l_x", "wheel_r_x", 1.5, 1.5)
local w = WEAPON_preload("bullet_weelee")
w[w_flare_exp_name] = "flash_small"
w[w_gun_type] = "fire_from_bone"
w[w_gun_bone_name] = "gun_x"
w[w_reload_random] = 20
WEAPON_add(w, { 1.8, 1.2 })
local m = WEAPON_preload("missile_weelee")
m[w_flare_exp_name] = "flash_large"
m[w_gun_type] = "fire_from_bone"
m[w_gun_bone_name] = "hatch_x"
WEAPON_add(m, { 6.0, 4.0 })

-- Broken, it falls apart into two or three small weelees.
c_set_trigger_mutate("weelee_small", "my_health", 0, 0, 2, 3, 70, 90)

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
