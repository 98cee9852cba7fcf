-- actor.lua -- the starting tables of every actor type, launch and weapon:
-- ACTOR_preload (an actor type's parameter table holding every default), ACTOR_PreLaunch
-- (a launch table with its helpers), FOOTPRINT_add, the explosions' particle effects,
-- WEAPON_preload and WEAPON_add. Type scripts start
-- from these tables and change single entries.

dofilx("actor_table.lua")

-- The parameter table of the type name, drawn from model_name in the model folder
-- model_dir. Every slot 1..77 is set; the move target is the last element.
function ACTOR_preload(name, model_dir, model_name)
    local t = {}
    t[cp_actor_name] = name or ""
    t[cp_model_dir] = model_dir or ""
    t[cp_model_name] = model_name or ""
    t[cp_actor_type] = cat_beastie
    t[cp_hit_delay] = 0.01
    t[cp_mutate_hit_delay] = 0.01
    t[cp_move_type] = 0
    t[cp_weight] = 0.0
    t[cp_hit_power] = 0.0
    t[cp_i_collide_with_beasties] = cat_player
    t[cp_these_collide_with_me] = cat_player + cat_bullet
    t[cp_i_avoid_these_beasties] = 0
    t[cp_in_beastie_count] = 1
    t[cp_in_screen_zoom_box] = 0
    t[cp_move_speed_min] = 0.0
    t[cp_move_speed_max] = 0.0
    t[cp_move_acceleration] = 0.0
    t[cp_move_deceleration] = 0.0
    t[cp_move_inertia_accn] = 0.0
    t[cp_move_inertia_decn] = 0.0
    t[cp_burst_length_min] = 0.0
    t[cp_burst_length_max] = 0.0
    t[cp_burst_delay_min] = 0.0
    t[cp_burst_delay_max] = 0.0
    t[cp_look_ahead_dist] = 0.0
    t[cp_repel_dist] = 0.0
    t[cp_target_stop_dist] = 0.0
    t[cp_target_delay_min] = 0.01
    t[cp_target_delay_max] = 0.05
    t[cp_turn_lock_angle_inner] = 360.0
    t[cp_turn_lock_angle_outer] = 360.0
    t[cp_turn_speed_still] = 0.0
    t[cp_turn_acceleration_still] = 0.0
    t[cp_turn_inertia_still] = 0.0
    t[cp_turn_speed_moving] = 0.0
    t[cp_turn_acceleration_moving] = 0.0
    t[cp_turn_inertia_moving] = 0.0
    t[cp_turn_speed_aiming] = 0.0
    t[cp_health_regain] = 0.0
    t[cp_health_percent] = 100.0
    t[cp_health_type] = 0
    t[cp_health_byebye_percent] = 0.0
    t[cp_launch_scale_min] = 100.0
    t[cp_launch_scale_max] = 100.0
    t[cp_launch_hue_shift] = 0.0
    t[cp_bullet_spray_angle] = 0.0
    t[cp_blank] = 1.0
    t[cp_player_bullet_rate] = 0.1
    t[cp_random_offset_x] = 0.0
    t[cp_random_offset_z] = 0.0
    t[cp_random_trajectory_offset] = 0.0
    t[cp_random_trajectory_offset_delay_min] = 0.0
    t[cp_random_trajectory_offset_delay_max] = 0.0
    t[cp_random_edge_inner_percent] = 0.0
    t[cp_random_edge_outer_percent] = 90.0
    t[cp_fence_bounce_percent] = 50.0
    t[cp_max_explosion_multiply] = 0.0
    t[cp_rolly_polly_multiply] = 0.0
    t[cp_angle_grid_size] = 0.0
    t[cp_num_spawn_min] = 1.0
    t[cp_num_spawn_max] = 1.0
    t[cp_scale_spawn_min] = 100.0
    t[cp_scale_spawn_max] = 100.0
    t[cp_score] = 0
    t[cp_bonus_seq_hit] = 0
    t[cp_bonus_seq_score] = 0
    t[cp_level_end_score] = 0
    t[cp_geopus_style] = 0
    t[cp_fade_in_translucent] = 0
    t[cp_multiple_beast_shoot_rate] = 0.0
    t[cp_multiple_beast_base_num] = 0.0
    t[cp_difficulty_adjust_speed] = 100.0
    t[cp_difficulty_adjust_shoot] = 100.0
    t[cp_spin_speed_min] = 0.0
    t[cp_spin_speed_max] = 0.0
    t[cp_i_am_repelled_by] = 0
    t[cp_move_target] = "track_player"
    return t
end

-- Helpers of a launch table, called as t:setposn(x, y, z) and so on.
local function launch_setposn(t, x, y, z)
    t[ci_posn_x] = x
    t[ci_posn_y] = y
    t[ci_posn_z] = z
end

local function launch_setanimdelay(t, delay)
    t[ci_anim_delay] = delay
end

-- Position, heading (degrees), size (percent, 0: the type's own launch scale), hue
-- shift (degrees), launch delay (seconds) and, when given, the path to follow.
local function launch_setall(t, x, y, z, angle, size, hue, delay, path)
    t[ci_posn_x] = x
    t[ci_posn_y] = y
    t[ci_posn_z] = z
    t[ci_angle] = angle
    t[ci_model_size] = size
    t[ci_hue_shift] = hue
    t[ci_launch_delay] = delay
    if path ~= nil then
        t[ci_path_name] = path
    end
end

local function launch_launch(t)
    return c_launch_new_actor(t)
end

-- Types launched as more than one actor (a boss with the parts it carries) put their
-- launch here under their name: a function of the launch table that launches them all;
-- actor_plopper calls it in place of the table's own launch.
plop_launchers = {}

-- A launch table for one actor of the type name, at the origin with every default.
function ACTOR_PreLaunch(name)
    local t = {}
    t[ci_actor_name] = name or ""
    t[ci_unique_name] = ""
    t[ci_path_name] = ""
    t[ci_model_size] = 0.0
    t[ci_posn_x] = 0.0
    t[ci_posn_y] = 0.0
    t[ci_posn_z] = 0.0
    t[ci_angle] = 0.0
    t[ci_anim_delay] = 0.0
    t[ci_hue_shift] = 0.0
    t[ci_launch_delay] = 0.0
    t.setposn = launch_setposn
    t.setanimdelay = launch_setanimdelay
    t.setall = launch_setall
    t.launch = launch_launch
    return t
end

-- Footprints of the type being defined: playing anim, each (bone, key) pair of steps lays
-- a print where the bone stands when the animation reaches that key: texture "1" a
-- walker's sole, "2" a round pad, size units from its middle to a corner, for life
-- seconds (dark, then fading over its last second).
function FOOTPRINT_add(anim, texture, size, life, steps)
    for i = 1, #steps, 2 do
        c_add_footprint_to_anim(anim, steps[i], texture, steps[i + 1], size, life)
    end
end

-- The particle effects the explosions carry, attached once per level after its types
-- are defined (the binding goes through the type defined last, as every definition
-- call): each piece starts them as its "explode" starts, at the piece and its size, so a
-- boss's great burst sheds bigger embers.
function EXPLOSION_add_particles()
    c_add_particle_to_explosion("burst_small", "explode", "", "hit_sparks")
    c_add_particle_to_explosion("burst_medium", "explode", "", "explosion_embers")
    c_add_particle_to_explosion("burst_large", "explode", "", "explosion_embers")
    c_add_particle_to_explosion("burst_missile", "explode", "", "explosion_embers")
    c_add_particle_to_explosion("burst_ship", "explode", "", "explosion_embers")
    c_add_particle_to_explosion("burst_ship", "explode", "", "hit_sparks")
    c_add_particle_to_explosion("ring_emerge", "explode", "", "emerge_dust")
    c_add_particle_to_explosion("ring_submerge", "explode", "", "submerge_dust")
    c_add_particle_to_explosion("ring_mutate", "explode", "", "spawn_burst")
    c_add_particle_to_explosion("bomb_wave", "explode", "", "smartbomb_wave")
    c_add_particle_to_explosion("sparkle_bonus", "explode", "", "powerup_pickup")
end

-- A weapon table firing shots of the type actor_code, with every default.
function WEAPON_preload(actor_code)
    local w = {}
    w[ci_actor_name] = actor_code or ""
    w[w_gun_type] = "no_bone_aim"
    w[w_gun_bone_name] = ""
    w[w_shaft_bone_name] = ""
    w[w_fire_anim_name] = ""
    w[w_aim_anim_name] = ""
    w[w_flare_exp_name] = ""
    w[w_flare_exp_scale] = 100.0
    w[w_aim_delay] = 1.0
    w[w_bullet_scale] = 100.0
    w[w_barrel_offset] = 0.0
    w[w_no_shoot_dist] = 9.0
    w[w_no_shoot_angle] = 0.0
    w[w_recoil_angle] = 0.0
    w[w_recoil_dist] = 0.0
    w[w_reload_random] = 0.0
    return w
end

-- Adds the weapon w to the type being defined; seq holds its reload times in seconds,
-- used in turn.
function WEAPON_add(w, seq)
    return c_add_a_weapon(w[ci_actor_name], w[w_gun_type], w[w_gun_bone_name],
        w[w_shaft_bone_name], w[w_fire_anim_name], w[w_aim_anim_name], w[w_flare_exp_name],
        w[w_flare_exp_scale], w[w_aim_delay], w[w_bullet_scale], w[w_barrel_offset],
        w[w_no_shoot_dist], w[w_no_shoot_angle], w[w_recoil_angle], w[w_recoil_dist],
        w[w_reload_random], seq)
end
