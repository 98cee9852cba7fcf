-- ninjoo_1.lua -- the ninjoo: a darting fighter that faces the ship, sidesteps its shots,
-- throws stars and now and then a homing dart.

if c_is_model_preloaded("bullet_ninjoo") ~= 0 then
    dofilx("bullet_ninjoo.lua")
end
if c_is_model_preloaded("missile_ninjoo") ~= 0 then
    dofilx("missile_ninjoo.lua")
end

local t = ACTOR_preload("ninjoo_1", "beasties", "ninjoo_1")
t[cp_actor_type] = cat_beastie
t[cp_move_type] = cmt_track + cmt_sidestep_bullet + cmt_face_gamer
t[cp_move_speed_min] = 0.16
t[cp_move_speed_max] = 0.24
t[cp_move_inertia_accn] = 0.85
t[cp_move_inertia_decn] = 0.8
t[cp_target_stop_dist] = 18.0
t[cp_target_delay_min] = 0.5
t[cp_target_delay_max] = 1.5
t[cp_turn_speed_still] = 6.0
t[cp_turn_speed_moving] = 5.0
t[cp_hit_power] = 1.0
t[cp_health_percent] = 120
t[cp_score] = 300
t[cp_bonus_seq_hit] = 4
t[cp_bonus_seq_score] = 1500
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "ninjoo_1_hit")
c_add_sound_to_event("hit_null_bone", "ninjoo_1_ping")
c_add_sound_to_event("hit_fence", "ninjoo_1_fence")
c_add_sound_to_anim("byebye", "ninjoo_1_die")
c_add_sound_to_anim("emerge", "ninjoo_1_swish")

local w = WEAPON_preload("bullet_ninjoo")

w[w_flare_exp_name] = "flash_small"
w[w_gun_type] = "fire_from_bone"
w[w_gun_bone_name] = "hand_x"
w[w_reload_random] = 30
WEAPON_add(w, { 1.5, 1.0, 0.5 })
local m = WEAPON_preload("missile_ninjoo")
m[w_flare_exp_name] = "flash_large"
m[w_gun_type] = "fire_from_bone"
m[w_gun_bone_name] = "back_x"
m[w_barrel_offset] = 2.0
m[w_no_shoot_dist] = 12.0
WEAPON_add(m, { 7.0, 5.0 })

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
