-- weblob_tiny2.lua -- the tiny weblob: flocks with its kind to points round the pylons and
-- strings burning strands between its neighbours.

if c_is_model_preloaded("weblob-fizz") ~= 0 then
    dofilx("weblob-fizz.lua")
end

local t = ACTOR_preload("weblob_tiny2", "beasties", "weblob_tiny2")
t[cp_actor_type] = cat_webblob
t[cp_move_type] = cmt_flock + cmt_repelled
t[cp_i_am_repelled_by] = cat_webblob
t[cp_repel_dist] = 5.0
t[cp_move_speed_min] = 0.1
t[cp_move_speed_max] = 0.16
t[cp_move_inertia_accn] = 0.93
t[cp_turn_speed_moving] = 3.0
t[cp_launch_scale_min] = 60
t[cp_launch_scale_max] = 80
t[cp_hit_power] = 1.0
t[cp_health_percent] = 60
t[cp_score] = 80
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "weblob_tiny2_hit")
c_add_sound_to_event("hit_null_bone", "weblob_tiny2_ping")
c_add_sound_to_event("hit_fence", "weblob_tiny2_fence")
c_add_sound_to_anim("byebye", "weblob_tiny2_die")
c_add_sound_to_anim("emerge", "weblob_tiny2_gloop")
c_add_sound_to_anim("mutate", "weblob_tiny2_gloop")

c_add_flock_type(2, 4, 30, 80)
c_add_flock_type(3, 6, 50, 90)
-- Neighbours 4 to 14 units apart are joined by a strand that burns ships.
c_add_fizz_between("weblob-fizz", "weblob_tiny2", "mainbone_x", "weblob_tiny2", "mainbone_x",
    "barrier_damage_gamer", 80, 4, 14, 0)

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_set_use_explosion_for("bye_bye", "burst_small", exp_no_align, 30, 0, 80, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_small", "explode", "exp_small")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
