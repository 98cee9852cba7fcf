-- player_spinner.lua -- the spinner power-up: blades that circle the ship and cut down
-- whatever they touch.

local t = ACTOR_preload("player_spinner", "players", "spinner")
t[cp_actor_type] = cat_player + cat_bullet
t[cp_in_beastie_count] = 0
t[cp_hit_power] = 2.0
t[cp_player_bullet_rate] = 1.0
t[cp_launch_scale_min] = 100
t[cp_launch_scale_max] = 100
c_preload_model(t)

c_set_random_anim("spin", 100, 100, 0, 0.01)
