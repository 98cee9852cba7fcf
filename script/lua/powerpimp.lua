-- powerpimp.lua -- the powerpimp: a gaudy hovering tyrant that sprays fat orbs in fans and
-- lobs homing bombs; near death it spins and shoots in every direction.

if c_is_model_preloaded("bullet_pimp") ~= 0 then
    dofilx("bullet_pimp.lua")
end
if c_is_model_preloaded("missile_pimp") ~= 0 then
    dofilx("missile_pimp.lua")
end

local t = ACTOR_preload("powerpimp", "bosses", "powerpimp")
t[cp_actor_type] = cat_beastie
t[cp_move_type] = cmt_track + cmt_face_gamer
t[cp_move_speed_min] = 0.06
t[cp_move_speed_max] = 0.09
t[cp_move_inertia_accn] = 0.95
t[cp_turn_speed_still] = 2.0
t[cp_turn_speed_moving] = 1.5
t[cp_target_stop_dist] = 24.0
t[cp_weight] = 20.0
t[cp_hit_power] = 1.0
t[cp_health_percent] = 3000
t[cp_score] = 8000
t[cp_level_end_score] = 4000
t[cp_in_screen_zoom_box] = 1
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "powerpimp_hit")
c_add_sound_to_event("hit_null_bone", "powerpimp_ping")
c_add_sound_to_event("hit_fence", "powerpimp_fence")
c_add_sound_to_anim("byebye", "powerpimp_die")
c_add_sound_to_anim("emerge", "powerpimp_fanfare")

local w = WEAPON_preload("bullet_pimp")

w[w_flare_exp_name] = "flash_small"
w[w_gun_type] = "fire_from_bone"
w[w_gun_bone_name] = "gun_x"
w[w_reload_random] = 10
WEAPON_add(w, { 1.2, 0.15, 0.15, 0.15, 0.15 })
local m = WEAPON_preload("missile_pimp")
m[w_flare_exp_name] = "flash_large"
m[w_gun_type] = "fire_from_bone"
m[w_gun_bone_name] = "hat_x"
m[w_barrel_offset] = 3.0
WEAPON_add(m, { 5.0, 4.0 })

-- Below a quarter of its health it spins, spraying orbs all round.
local spin = ACTOR_preload("powerpimp", "bosses", "powerpimp")
spin[cp_actor_type] = cat_beastie
spin[cp_move_type] = cmt_track + cmt_rolly_polly
spin[cp_rolly_polly_multiply] = 2
spin[cp_move_speed_min] = 0.1
spin[cp_move_speed_max] = 0.12
spin[cp_spin_speed_min] = 6
spin[cp_spin_speed_max] = 8
spin[cp_weight] = 20.0
spin[cp_hit_power] = 1.0
spin[cp_health_percent] = 3000
spin[cp_score] = 8000
spin[cp_level_end_score] = 4000
c_set_trigger_state("my_health", 25, 25, spin)
local s = WEAPON_preload("bullet_pimp")
s[w_flare_exp_name] = "flash_small"
s[w_gun_type] = "fire_from_bone"
s[w_gun_bone_name] = "gun_x"
WEAPON_add(s, { 0.2 })

-- Explosions: rising from the floor, dying, sinking back and mutating.
c_set_use_explosion_for("bye_bye", "burst_large", exp_no_align, 60, 3.0, 100, 160, { 0, 0.15, 0.3, 0.5, 0.7 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 80, 0, 200, 250, { 0.3, 0.6 })
c_set_use_explosion_for("bye_bye_damagable", "burst_large", exp_no_align, 40, 0, 120, 150, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 300, 350, { 0 })
c_set_use_explosion_for("mutate", "ring_mutate", exp_no_align, 0, 0, 300, 350, { 0 })
c_add_sound_to_explosion("burst_large", "explode", "exp_large")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
c_add_sound_to_explosion("ring_mutate", "explode", "exp_mutate")
