-- fencefizz-2_1.lua -- the fence of the later runs: a crackling red strand.

local t = ACTOR_preload("fencefizz-2_1", "fizz", "fencefizz-2_1")
t[cp_actor_type] = cat_fence
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
