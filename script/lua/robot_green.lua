-- robot_green.lua -- the green walker: plods toward the nearest ship and fires slow single
-- shots from its gun arm.

if c_is_model_preloaded("bullet_robo") ~= 0 then
    dofilx("bullet_robo.lua")
end

local t = ACTOR_preload("robot_green", "beasties", "robot_green")
t[cp_actor_type] = cat_robot
t[cp_move_type] = cmt_track + cmt_anim_to_move
-- Moved by its move animation: the move speeds are that animation's playing speed.
t[cp_move_speed_min] = 0.8
t[cp_move_speed_max] = 1.2
t[cp_move_inertia_accn] = 0.9
t[cp_turn_speed_still] = 3.0
t[cp_turn_speed_moving] = 2.5
t[cp_target_delay_min] = 1.0
t[cp_target_delay_max] = 2.0
t[cp_hit_power] = 1.0
t[cp_weight] = 2.0
t[cp_score] = 150
-- The first levels' grunt: two good hits bring it down.
t[cp_health_type] = health_chunk_regain
t[cp_health_byebye_percent] = 80
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "robot_green_hit")
c_add_sound_to_event("hit_null_bone", "robot_green_ping")
c_add_sound_to_event("hit_fence", "robot_green_fence")
c_add_sound_to_anim("byebye", "robot_green_die")
c_add_sound_to_anim("walk", "robot_green_step", 1)

c_set_use_anim_for("move_forward", "walk", 80, 120)
-- Its soles print the floor in mid-stride.
FOOTPRINT_add("walk", "1", 2.1, 3, { "sole_l", 2, "sole_r", 4 })

-- Effects: the flash of its gun, sparks when it is hit, and its end: a fireball, smoke
-- and a fire left burning where it fell (the dust of its rise and fall and the embers of
-- its burst come with those explosions).
c_add_particle_to_anim("fire", "gun_x", "enemy_muzzle_flash")
c_add_particle_to_anim("hitbounce", "torso", "hit_sparks")
c_add_particle_to_anim("byebye", "torso", "explosion_fire")
c_add_particle_to_anim("byebye", "torso", "explosion_smoke")
c_add_particle_to_anim("byebye", "hips", "burning_wreck")

local w = WEAPON_preload("bullet_robo")
w[w_flare_exp_name] = "flash_small"
w[w_gun_type] = "fire_from_bone"
w[w_gun_bone_name] = "gun_x"
w[w_fire_anim_name] = "fire"
w[w_reload_random] = 20
WEAPON_add(w, { 3.0, 2.0, 2.5 })

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 40, 1.0, 85, 110, { 0, 0.08 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 30, 0, 90, 110, { 0.2 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 100, 120, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
