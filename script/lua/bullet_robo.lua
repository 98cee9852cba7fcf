-- bullet_robo.lua -- the robots' shot: a slow orange bolt. It flies by its own animation
-- and is gone when that ends.

local t = ACTOR_preload("bullet_robo", "bullets", "bullet_robo")
t[cp_actor_type] = cat_bullet
t[cp_in_beastie_count] = 0
t[cp_hit_power] = 1.0
t[cp_launch_scale_min] = 100
t[cp_launch_scale_max] = 100
t[cp_bullet_spray_angle] = 4
c_preload_model(t)

-- A hot trail behind it while it flies, sparks where it ends.
c_add_particle_to_anim("fire", "core", "enemy_shot_trail")
c_add_particle_to_anim("die", "core", "hit_sparks")

-- Explosions: sparks off what the shot hits.
c_set_use_explosion_for("hit_active_bone", "spark_hit", exp_align, 0, 0, 80, 100, { 0 })
c_set_use_explosion_for("hit_null_bone", "spark_ricochet", exp_align, 0, 0, 70, 90, { 0 })
