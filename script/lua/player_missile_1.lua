-- player_missile_1.lua -- the missile power-up's shot: a small homing rocket that flies
-- out along the aim and then turns on the nearest enemy.

local t = ACTOR_preload("player_missile_1", "bullets", "missile_1")
t[cp_actor_type] = cat_beastie + cat_bullet + cat_player
t[cp_in_beastie_count] = 0
t[cp_hit_power] = 3.0
t[cp_move_type] = cmt_track
t[cp_move_speed_min] = 0.9
t[cp_move_speed_max] = 1.1
t[cp_move_inertia_accn] = 0.9
t[cp_turn_speed_moving] = 6.0
t[cp_player_bullet_rate] = 0.25
t[cp_launch_scale_min] = 80
t[cp_launch_scale_max] = 80
t[cp_move_target] = "nearest_beastie"
c_preload_model(t)

-- The burst when it strikes or burns out.
c_add_sound_to_anim("byebye", "player_missile_blast")

-- The rocket burns out after two seconds.
c_set_trigger_mutate("byebye", "my_time_alive", 2.0, 2.0, 1, 1, 100, 100)

-- Explosions: the missile bursts where it ends.
c_set_use_explosion_for("bye_bye", "burst_missile", exp_no_align, 20, 0.5, 80, 100, { 0 })
