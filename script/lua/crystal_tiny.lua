-- crystal_tiny.lua -- the smallest crystal splinter: quick, and gone at a touch.

local t = ACTOR_preload("crystal_tiny", "beasties", "crystal")
t[cp_actor_type] = cat_crystal
t[cp_move_type] = cmt_random + cmt_fixed_dirn
t[cp_move_speed_min] = 0.2
t[cp_move_speed_max] = 0.27999999999999997
t[cp_move_inertia_accn] = 0.97
t[cp_spin_speed_min] = 0.5
t[cp_spin_speed_max] = 2.0
t[cp_fence_bounce_percent] = 100
t[cp_launch_scale_min] = 35
t[cp_launch_scale_max] = 38.5
t[cp_hit_power] = 1.0
t[cp_health_percent] = 30
t[cp_score] = 40
c_preload_model(t)

c_set_random_anim("glint", 60, 140, 1, 3)
