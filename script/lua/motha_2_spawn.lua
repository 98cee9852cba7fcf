-- motha_2_spawn.lua -- a mothling: hatched by the motha, it swoops at the ship in quick,
-- erratic dives.

local t = ACTOR_preload("motha_2_spawn", "beasties", "motha_2_spawn")
t[cp_actor_type] = cat_motha
t[cp_move_type] = cmt_track
t[cp_move_speed_min] = 0.22
t[cp_move_speed_max] = 0.28
t[cp_move_inertia_accn] = 0.9
t[cp_turn_speed_moving] = 5.0
t[cp_random_trajectory_offset] = 8.0
t[cp_random_trajectory_offset_delay_min] = 0.3
t[cp_random_trajectory_offset_delay_max] = 0.8
t[cp_launch_scale_min] = 40
t[cp_launch_scale_max] = 50
t[cp_hit_power] = 1.0
t[cp_health_percent] = 40
t[cp_score] = 50
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "motha_2_spawn_hit")
c_add_sound_to_event("hit_null_bone", "motha_2_spawn_ping")
c_add_sound_to_event("hit_fence", "motha_2_spawn_fence")
c_add_sound_to_anim("byebye", "motha_2_spawn_die")
c_add_sound_to_anim("mutate", "motha_2_spawn_flutter")
c_add_sound_to_anim("emerge", "motha_2_spawn_flutter")

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_set_use_explosion_for("bye_bye", "burst_small", exp_no_align, 30, 0, 80, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_small", "explode", "exp_small")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
