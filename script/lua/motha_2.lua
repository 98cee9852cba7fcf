-- motha_2.lua -- the motha: a vast moth that drifts after the ships, hatches mothlings
-- from its belly and fires rockets; wounded, it grows frantic.

if c_is_model_preloaded("motha_2_spawn") ~= 0 then
    dofilx("motha_2_spawn.lua")
end
if c_is_model_preloaded("missile_robomum") ~= 0 then
    dofilx("missile_robomum.lua")
end

local t = ACTOR_preload("motha_2", "bosses", "motha_2")
t[cp_actor_type] = cat_motha
t[cp_move_type] = cmt_track
t[cp_move_speed_min] = 0.04
t[cp_move_speed_max] = 0.06
t[cp_move_inertia_accn] = 0.97
t[cp_turn_speed_moving] = 1.0
t[cp_target_stop_dist] = 25.0
t[cp_weight] = 20.0
t[cp_hit_power] = 1.0
t[cp_num_spawn_min] = 2
t[cp_num_spawn_max] = 3
t[cp_scale_spawn_min] = 40
t[cp_scale_spawn_max] = 50
t[cp_health_percent] = 2000
t[cp_score] = 5000
t[cp_level_end_score] = 2500
t[cp_in_screen_zoom_box] = 1
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "motha_2_hit")
c_add_sound_to_event("hit_null_bone", "motha_2_ping")
c_add_sound_to_event("hit_fence", "motha_2_fence")
c_add_sound_to_anim("byebye", "motha_2_die")
c_add_sound_to_anim("emerge", "motha_2_screech")
c_add_sound_to_anim("hatch", "motha_2_hatch", 1)

-- Mothlings from its belly, one every three seconds of its hatching beat.
c_set_trigger_spawn("motha_2_spawn", "hatch", "belly_x", 50, 3.0, 0.5, 6)
local m = WEAPON_preload("missile_robomum")
m[w_flare_exp_name] = "flash_large"
m[w_gun_type] = "fire_from_bone"
m[w_gun_bone_name] = "wing_l_x"
m[w_barrel_offset] = 3.0
WEAPON_add(m, { 5.0, 0.5, 5.0 })

-- Below half health it flies faster and its rockets come twice as fast.
local frantic = ACTOR_preload("motha_2", "bosses", "motha_2")
frantic[cp_actor_type] = cat_motha
frantic[cp_move_type] = cmt_track
frantic[cp_move_speed_min] = 0.08
frantic[cp_move_speed_max] = 0.11
frantic[cp_move_inertia_accn] = 0.95
frantic[cp_turn_speed_moving] = 2.0
frantic[cp_weight] = 20.0
frantic[cp_hit_power] = 1.0
frantic[cp_health_percent] = 2000
frantic[cp_score] = 5000
frantic[cp_level_end_score] = 2500
c_set_trigger_state("my_health", 50, 50, frantic)
local m2 = WEAPON_preload("missile_robomum")
m2[w_flare_exp_name] = "flash_large"
m2[w_gun_type] = "fire_from_bone"
m2[w_gun_bone_name] = "wing_r_x"
m2[w_barrel_offset] = 3.0
WEAPON_add(m2, { 2.5, 0.5, 2.5 })

-- Explosions: rising from the floor, dying, sinking back and mutating.
c_set_use_explosion_for("bye_bye", "burst_large", exp_no_align, 60, 3.0, 100, 160, { 0, 0.15, 0.3, 0.5, 0.7 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 80, 0, 200, 250, { 0.3, 0.6 })
c_set_use_explosion_for("bye_bye_belly_x", "burst_medium", exp_no_align, 0, 0, 100, 120, { 0.1 })
c_set_use_explosion_for("bye_bye_damagable", "burst_large", exp_no_align, 40, 0, 120, 150, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 300, 350, { 0 })
c_set_use_explosion_for("mutate", "ring_mutate", exp_no_align, 0, 0, 300, 350, { 0 })
c_add_sound_to_explosion("burst_large", "explode", "exp_large")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
c_add_sound_to_explosion("ring_mutate", "explode", "exp_mutate")
