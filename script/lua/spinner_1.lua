-- spinner_1.lua -- the spinner: a spinning top that careers round the arena and ricochets
-- off the fence.

local t = ACTOR_preload("spinner_1", "beasties", "spinner_1")
t[cp_actor_type] = cat_beastie
t[cp_move_type] = cmt_random + cmt_fixed_dirn
t[cp_move_speed_min] = 0.18
t[cp_move_speed_max] = 0.25
t[cp_move_inertia_accn] = 0.95
t[cp_spin_speed_min] = 4.0
t[cp_spin_speed_max] = 8.0
t[cp_fence_bounce_percent] = 100
t[cp_random_edge_inner_percent] = 10
t[cp_random_edge_outer_percent] = 90
t[cp_hit_power] = 1.0
t[cp_score] = 100
c_preload_model(t)
