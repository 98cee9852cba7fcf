-- spinner_1.lua -- the spinner: a spinning top that careers round the arena and ricochets
-- off the fence.

local t = ACTOR_preload("spinner_1", "beasties", "spinner_1")
t[cp_actor_type] = cat_beastie
t[cp_move_type] = cmt_random + cmt_fixed_dirn
t[cp_move_speed_min] = 0.18
t[cp_move_speed_max] = 0.25
t[cp_move_inertia_accn] = 0.95
-- The speed of its tumble ("spin1_x" plays at this speed up to twice it).
t[cp_turn_speed_moving] = 1.0
t[cp_spin_speed_min] = 4.0
t[cp_spin_speed_max] = 8.0
t[cp_fence_bounce_percent] = 100
t[cp_random_edge_inner_percent] = 10
t[cp_random_edge_outer_percent] = 90
t[cp_hit_power] = 1.0
t[cp_score] = 100
c_preload_model(t)
-- Its own sounds: hits on live and armoured bones, the fence, its death, its voice.
c_add_sound_to_event("hit_active_bone", "spinner_1_hit")
c_add_sound_to_event("hit_null_bone", "spinner_1_ping")
c_add_sound_to_event("hit_fence", "spinner_1_fence")
c_add_sound_to_anim("byebye", "spinner_1_die")
c_add_sound_to_anim("spin1_x", "spinner_1_whirr", 1)

-- Explosions: rising from the floor, dying, sinking back.
c_set_use_explosion_for("emerge", "ring_emerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_set_use_explosion_for("bye_bye", "burst_small", exp_no_align, 30, 0, 80, 110, { 0 })
c_set_use_explosion_for("submerge", "ring_submerge", exp_no_align, 0, 0, 50, 60, { 0 })
c_add_sound_to_explosion("ring_emerge", "explode", "exp_emerge")
c_add_sound_to_explosion("burst_small", "explode", "exp_small")
c_add_sound_to_explosion("ring_submerge", "explode", "exp_submerge")
