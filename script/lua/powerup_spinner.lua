-- powerup_spinner.lua -- the spinner: blades circling the ship.

local t = ACTOR_preload("powerup_spinner", "powerups", "powerup_spinner")
t[cp_actor_type] = cat_ground + cat_player + cat_bullet
t[cp_in_beastie_count] = 0
-- The kind of effect and its amount in seconds.
t[cp_bonus_seq_hit] = 5
t[cp_target_delay_max] = 10
-- Seconds on the floor, drop weight, drift speed and the drift kept per tick.
t[cp_target_delay_min] = 8
t[cp_spin_speed_min] = 10
t[cp_move_speed_min] = 0.15
t[cp_move_inertia_accn] = 0.995
t[cp_launch_scale_min] = 90
t[cp_launch_scale_max] = 110
c_preload_model(t)
