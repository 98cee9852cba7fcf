-- trackfly_1.lua -- the trackfly: a buzzing insect that homes in on the nearest ship and
-- rams it.

local t = ACTOR_preload("trackfly_1", "beasties", "trackfly_1")
t[cp_actor_type] = cat_flyer
t[cp_move_type] = cmt_track
t[cp_move_speed_min] = 0.18
t[cp_move_speed_max] = 0.24
t[cp_move_inertia_accn] = 0.92
t[cp_turn_speed_moving] = 4.0
t[cp_random_trajectory_offset] = 6.0
t[cp_random_trajectory_offset_delay_min] = 0.5
t[cp_random_trajectory_offset_delay_max] = 1.5
t[cp_hit_power] = 1.0
t[cp_score] = 100
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "trackfly_1_hit")
c_add_sound_to_event("hit_null_bone", "trackfly_1_ping")
c_add_sound_to_event("hit_fence", "trackfly_1_fence")
c_add_sound_to_anim("byebye", "trackfly_1_die")
c_add_sound_to_anim("buzz", "trackfly_1_buzz", 1)

c_set_random_anim("buzz", 80, 120, 0.5, 2.0)

-- Explosions: rising from the floor, dying, sinking back and mutating.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_set_use_explosion_for("bye_bye", "burst_small", exp_no_align, 30, 0, 80, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_set_use_explosion_for("mutate", "ring_mutate", exp_no_align, 0, 0, 50, 60, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_small", "explode", "exp_small")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
c_add_sound_to_explosion("ring_mutate", "explode", "exp_mutate")
