-- player_bullet_1.lua -- a player's shot. player_all.lua runs this script once per slot of
-- the player bullet table, naming the shot and its look in globals first:
-- player_bullet_name, player_bullet_model, player_bullet_rate (seconds between shots),
-- player_bullet_scale (percent) and player_bullet_spray (degrees between three-way shots).

local t = ACTOR_preload(player_bullet_name or "player_bullet_p1", "bullets",
    player_bullet_model or "bullet_1")
t[cp_actor_type] = cat_player + cat_bullet
t[cp_in_beastie_count] = 0
t[cp_hit_power] = 1.0
t[cp_player_bullet_rate] = player_bullet_rate or 0.09
t[cp_launch_scale_min] = player_bullet_scale or 100
t[cp_launch_scale_max] = player_bullet_scale or 100
t[cp_bullet_spray_angle] = player_bullet_spray or 0
c_preload_model(t)

-- The sound of a hit, as the shot flares out (the laser flies on through what it hits).
c_add_sound_to_anim("die", "hit_player_shot")

-- Explosions: sparks off what the shot hits.
c_set_use_explosion_for("hit_active_bone", "spark_player", exp_align, 0, 0, 60, 80, { 0 })
c_set_use_explosion_for("hit_null_bone", "spark_ricochet", exp_align, 0, 0, 50, 70, { 0 })
