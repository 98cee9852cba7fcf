-- robo_mom.lua -- Robo Mom: a towering robot that hatches green walkers, sprays slugs and
-- rockets and sweeps a laser; below a third of her health she charges.

if c_is_model_preloaded("bullet_robomom") ~= 0 then
    dofilx("bullet_robomom.lua")
end
if c_is_model_preloaded("missile_robomum") ~= 0 then
    dofilx("missile_robomum.lua")
end
if c_is_model_preloaded("laser-1_2sec") ~= 0 then
    dofilx("laser-1_2sec.lua")
end
if c_is_model_preloaded("laserfizz-2sec") ~= 0 then
    dofilx("laserfizz-2sec.lua")
end
if c_is_model_preloaded("robot_green") ~= 0 then
    dofilx("robot_green.lua")
end

-- Her power cells, two on her shoulders, hung on her torso and linked to her health:
-- shot down, a cell breaks and grows back eight seconds later while she stands, and the
-- cells go down with her.
if c_is_model_preloaded("robo_mom_pod") ~= 0 then
    local pod = ACTOR_preload("robo_mom_pod", "bosses", "robo_mom_pod")
    pod[cp_actor_type] = cat_robot
    pod[cp_hit_power] = 1.0
    pod[cp_health_type] = health_damagable_check_parent
    pod[cp_health_regain] = 0.125
    pod[cp_score] = 500
    c_preload_model(pod)
    c_add_sound_to_event("hit_active_bone", "robo_mom_hit")
    c_add_sound_to_event("hit_null_bone", "robo_mom_ping")
    c_add_sound_to_event("hit_fence", "robo_mom_fence")
    c_add_sound_to_anim("byebye", "missile_blast")
    c_add_sound_to_anim("mutate", "robo_mom_hatch")
    -- Sparks when it is hit, and a cell growing back draws sparks in round its core.
    c_add_particle_to_anim("hitbounce", "cell", "hit_sparks")
    c_add_particle_to_anim("mutate", "core", "spawn_burst")
    c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 60, 80, { 0 })
    c_set_use_explosion_for("bye_bye", "burst_medium", exp_no_align, 20, 0, 50, 70, { 0 })
    c_set_use_explosion_for("bye_bye_damagable", "burst_medium", exp_no_align, 30, 0, 70, 90, { 0, 0.1 })
    c_set_use_explosion_for("mutate", "ring_mutate", exp_no_align, 0, 0, 60, 80, { 0 })
    c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
    c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
    c_add_sound_to_explosion("ring_mutate", "explode", "exp_mutate")
end

-- Where the cells ride: on her back plate, either side of the rocket rack (torso space).
robo_mom_pod_places = { { 2.6, 1.2, 6.25 }, { -2.6, 1.2, 6.25 } }
robo_mom_launched = 0

-- Her launch: she takes a name of her own, and each cell is hung on her torso and
-- linked to her health.
plop_launchers["robo_mom"] = function(t)
    robo_mom_launched = robo_mom_launched + 1
    local name = "robo_mom_" .. robo_mom_launched
    t[ci_unique_name] = name
    t:launch()
    for i = 1, #robo_mom_pod_places do
        local at = robo_mom_pod_places[i]
        local pod = ACTOR_PreLaunch("robo_mom_pod")
        pod:setall(at[1], at[2], at[3], 0, 0, t[ci_hue_shift], t[ci_launch_delay])
        pod:launch()
        c_link_to_parent(name, "torso")
        c_link_health_to_parent(name)
    end
end

local t = ACTOR_preload("robo_mom", "bosses", "robo_mom")
t[cp_actor_type] = cat_robot
t[cp_move_type] = cmt_track + cmt_anim_to_move
-- Moved by its move animation: the move speeds are that animation's playing speed.
t[cp_move_speed_min] = 0.83
t[cp_move_speed_max] = 1.17
t[cp_move_inertia_accn] = 0.95
t[cp_turn_speed_still] = 1.5
t[cp_turn_speed_moving] = 1.0
t[cp_target_stop_dist] = 20.0
t[cp_weight] = 25.0
t[cp_hit_power] = 1.0
t[cp_health_percent] = 2500
t[cp_score] = 6000
t[cp_level_end_score] = 3000
t[cp_in_screen_zoom_box] = 1
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "robo_mom_hit")
c_add_sound_to_event("hit_null_bone", "robo_mom_ping")
c_add_sound_to_event("hit_fence", "robo_mom_fence")
c_add_sound_to_anim("byebye", "robo_mom_die")
c_add_sound_to_anim("stomp", "robo_mom_stomp", 1)
c_add_sound_to_anim("hatch", "robo_mom_hatch", 1)

c_set_use_anim_for("move_forward", "stomp", 80, 110)
-- Her great soles print the floor as each foot bears her weight.
FOOTPRINT_add("stomp", "1", 4.1, 6, { "sole_l", 2, "sole_r", 4 })
local w = WEAPON_preload("bullet_robomom")
w[w_flare_exp_name] = "flash_small"
w[w_gun_type] = "around_and_updown_aim"
w[w_gun_bone_name] = "gun_x"
w[w_shaft_bone_name] = "arm_x"
w[w_aim_delay] = 0.6
w[w_reload_random] = 10
WEAPON_add(w, { 1.5, 0.2, 0.2, 0.2 })
local m = WEAPON_preload("missile_robomum")
m[w_flare_exp_name] = "flash_large"
m[w_gun_type] = "fire_from_bone"
m[w_gun_bone_name] = "back_x"
m[w_barrel_offset] = 4.0
WEAPON_add(m, { 6.0, 0.5, 6.0 })
local l = WEAPON_preload("laser-1_2sec")
l[w_flare_exp_name] = "flash_large"
l[w_gun_type] = "fire_from_bone"
l[w_gun_bone_name] = "eye_x"
WEAPON_add(l, { 8.0, 6.0 })

c_add_fizz_between("laserfizz-2sec", "robo_mom", "eye_x", "laser-1_2sec", "mainbone_x",
    "barrier_damage_gamer", 100, 0, 80, 0)

-- A green walker from her hatch every four seconds.
c_set_trigger_spawn("robot_green", "hatch", "hatch_x", 60, 4.0, 0, 8)

-- Below a third of her health she charges at the nearest ship.
local charge = ACTOR_preload("robo_mom", "bosses", "robo_mom")
charge[cp_actor_type] = cat_robot
charge[cp_move_type] = cmt_track + cmt_anim_to_move
-- Moved by its move animation: the move speeds are that animation's playing speed.
charge[cp_move_speed_min] = 2
charge[cp_move_speed_max] = 2.67
charge[cp_move_inertia_accn] = 0.92
charge[cp_turn_speed_moving] = 2.0
charge[cp_weight] = 25.0
charge[cp_hit_power] = 1.0
charge[cp_health_percent] = 2500
charge[cp_score] = 6000
charge[cp_level_end_score] = 3000
c_set_trigger_state("my_health", 33, 33, charge)
c_set_use_anim_for("move_forward", "stomp", 120, 160)

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 300, 350, { 0 })
c_set_use_explosion_for("bye_bye", "burst_large", exp_no_align, 60, 3.0, 100, 160, { 0, 0.15, 0.3, 0.5, 0.7 })
c_set_use_explosion_for("bye_bye", "smoke_puff", exp_no_align, 80, 0, 200, 250, { 0.3, 0.6 })
c_set_use_explosion_for("bye_bye_eye_x", "burst_medium", exp_no_align, 0, 0, 100, 120, { 0.1 })
c_set_use_explosion_for("bye_bye_damagable", "burst_large", exp_no_align, 40, 0, 120, 150, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 300, 350, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_large", "explode", "exp_large")
c_add_sound_to_explosion("burst_medium", "explode", "exp_medium")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
