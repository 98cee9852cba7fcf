-- trackfly_2.lua -- the stinging trackfly: keeps its distance, circles the ship and stings
-- from afar.

if c_is_model_preloaded("bullet_trackfly") ~= 0 then
    dofilx("bullet_trackfly.lua")
end

local t = ACTOR_preload("trackfly_2", "beasties", "trackfly_2")
t[cp_actor_type] = cat_flyer
t[cp_move_type] = cmt_track + cmt_random
t[cp_move_speed_min] = 0.2
t[cp_move_speed_max] = 0.26
t[cp_move_inertia_accn] = 0.9
t[cp_target_stop_dist] = 20.0
t[cp_turn_speed_moving] = 4.5
t[cp_random_trajectory_offset] = 10.0
t[cp_random_trajectory_offset_delay_min] = 0.5
t[cp_random_trajectory_offset_delay_max] = 1.0
t[cp_hit_power] = 1.0
t[cp_health_percent] = 120
t[cp_score] = 200
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "trackfly_2_hit")
c_add_sound_to_event("hit_null_bone", "trackfly_2_ping")
c_add_sound_to_event("hit_fence", "trackfly_2_fence")
c_add_sound_to_anim("byebye", "trackfly_2_die")
c_add_sound_to_anim("buzz", "trackfly_2_buzz", 1)

c_set_random_anim("buzz", 80, 120, 0.5, 2.0)
local w = WEAPON_preload("bullet_trackfly")
w[w_flare_exp_name] = "flash_small"
w[w_reload_random] = 25
WEAPON_add(w, { 2.0, 1.5, 2.5 })

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_set_use_explosion_for("bye_bye", "burst_small", exp_no_align, 30, 0, 80, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_small", "explode", "exp_small")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
