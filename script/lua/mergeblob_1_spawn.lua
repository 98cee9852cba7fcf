-- mergeblob_1_spawn.lua -- a mergeblob droplet: a small blob that wobbles after the ship.

local t = ACTOR_preload("mergeblob_1_spawn", "beasties", "mergeblob_1")
t[cp_actor_type] = cat_mergeblob
t[cp_move_type] = cmt_track + cmt_repelled
t[cp_i_am_repelled_by] = cat_mergeblob
t[cp_repel_dist] = 3.0
t[cp_move_speed_min] = 0.12
t[cp_move_speed_max] = 0.17
t[cp_move_inertia_accn] = 0.9
t[cp_turn_speed_moving] = 4.0
t[cp_launch_scale_min] = 45
t[cp_launch_scale_max] = 55
t[cp_hit_power] = 1.0
t[cp_health_percent] = 40
t[cp_score] = 60
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "mergeblob_1_hit")
c_add_sound_to_event("hit_null_bone", "mergeblob_1_ping")
c_add_sound_to_event("hit_fence", "mergeblob_1_fence")
c_add_sound_to_anim("byebye", "mergeblob_1_die")
c_add_sound_to_anim("wobble", "mergeblob_1_wobble", 1)

-- Explosions: rising from the floor, dying, sinking back and mutating.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_set_use_explosion_for("bye_bye", "burst_small", exp_no_align, 30, 0, 80, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_set_use_explosion_for("mutate", "ring_mutate", exp_no_align, 0, 0, 50, 60, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_small", "explode", "exp_small")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
c_add_sound_to_explosion("ring_mutate", "explode", "exp_mutate")
