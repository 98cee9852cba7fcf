-- fencefizz-1_1.lua -- the fence of the first family: a thin blue strand.

local t = ACTOR_preload("fencefizz-1_1", "fizz", "fencefizz-1_1")
t[cp_actor_type] = cat_fence
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
