-- laser-1_3sec.lua -- the big turret's laser: a bolt that lives three seconds, tied to its
-- gun by a burning beam. It flies by its own animation and is gone when that ends.

local t = ACTOR_preload("laser-1_3sec", "bullets", "laser-1_3sec")
t[cp_actor_type] = cat_bullet
t[cp_in_beastie_count] = 0
t[cp_hit_power] = 1.0
t[cp_launch_scale_min] = 100
t[cp_launch_scale_max] = 100
c_preload_model(t)

-- The sound of a hit, as the shot flares out.
c_add_sound_to_anim("die", "shot_hit_laser")

-- Explosions: sparks off what the shot hits.
c_set_use_explosion_for("hit_active_bone", "spark_hit", exp_align, 0, 0, 80, 100, { 0 })
c_set_use_explosion_for("hit_null_bone", "spark_ricochet", exp_align, 0, 0, 70, 90, { 0 })
