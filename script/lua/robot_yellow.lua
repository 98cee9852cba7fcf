-- robot_yellow.lua -- the yellow robot: quicker than the green, it dodges shots, closes in
-- and fires short bursts.

if c_is_model_preloaded("bullet_robo") ~= 0 then
    dofilx("bullet_robo.lua")
end

local t = ACTOR_preload("robot_yellow", "beasties", "robot_yellow")
t[cp_actor_type] = cat_robot
t[cp_move_type] = cmt_track + cmt_sidestep_bullet + cmt_anim_to_move
-- Moved by its move animation: the move speeds are that animation's playing speed.
t[cp_move_speed_min] = 0.8
t[cp_move_speed_max] = 1.2
t[cp_move_inertia_accn] = 0.88
t[cp_burst_length_min] = 1.0
t[cp_burst_length_max] = 2.0
t[cp_burst_delay_min] = 0.5
t[cp_burst_delay_max] = 1.5
t[cp_turn_speed_still] = 4.0
t[cp_turn_speed_moving] = 3.5
t[cp_turn_speed_aiming] = 5.0
t[cp_hit_power] = 1.0
t[cp_weight] = 2.0
t[cp_health_percent] = 150
t[cp_score] = 250
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "robot_yellow_hit")
c_add_sound_to_event("hit_null_bone", "robot_yellow_ping")
c_add_sound_to_event("hit_fence", "robot_yellow_fence")
c_add_sound_to_anim("byebye", "robot_yellow_die")
c_add_sound_to_anim("aim", "robot_yellow_aim", 1)

c_set_use_anim_for("move_forward", "walk", 100, 150)
-- Its soles print the floor in mid-stride.
FOOTPRINT_add("walk", "1", 1.6, 2.5, { "sole_l", 2, "sole_r", 4 })
local w = WEAPON_preload("bullet_robo")
w[w_flare_exp_name] = "flash_small"
w[w_gun_type] = "actor_body_aim"
w[w_gun_bone_name] = "gun_x"
w[w_fire_anim_name] = "fire"
w[w_aim_anim_name] = "aim"
w[w_aim_delay] = 0.5
w[w_reload_random] = 15
WEAPON_add(w, { 1.2, 0.25, 0.25 })

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
