-- player_shield.lua -- the shield power-up: a bubble round the ship that takes one hit.

local t = ACTOR_preload("player_shield", "players", "shield")
t[cp_actor_type] = cat_player + cat_bullet
t[cp_in_beastie_count] = 0
t[cp_hit_power] = 1.0
t[cp_player_bullet_rate] = 1.0
t[cp_launch_scale_min] = 110
t[cp_launch_scale_max] = 110
c_preload_model(t)

c_set_random_anim("shimmer", 80, 120, 0.5, 1.5)
-- Its rings swell and fade each time it shimmers.
c_add_particle_to_anim("shimmer", "mainbone_x", "shield_shimmer")

-- Explosions: the shield pops when it takes a hit.
c_set_use_explosion_for("bye_bye", "ring_shield", exp_no_align, 0, 0, 100, 100, { 0 })
c_add_sound_to_explosion("ring_shield", "explode", "exp_shield")
