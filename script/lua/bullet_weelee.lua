-- bullet_weelee.lua -- the weelees' shot: a bouncing red ball. It flies by its own
-- animation and is gone when that ends.

local t = ACTOR_preload("bullet_weelee", "bullets", "bullet_weelee")
t[cp_actor_type] = cat_bullet
t[cp_in_beastie_count] = 0
t[cp_hit_power] = 1.0
t[cp_launch_scale_min] = 90
t[cp_launch_scale_max] = 90
t[cp_bullet_spray_angle] = 5
c_preload_model(t)

-- The sound of a hit, as the shot flares out.
c_add_sound_to_anim("die", "shot_hit_ball")

-- Explosions: sparks off what the shot hits.
c_set_use_explosion_for("hit_active_bone", "spark_hit", exp_align, 0, 0, 80, 100, { 0 })
c_set_use_explosion_for("hit_null_bone", "spark_ricochet", exp_align, 0, 0, 70, 90, { 0 })
