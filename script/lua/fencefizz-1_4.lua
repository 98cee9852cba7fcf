-- fencefizz-1_4.lua -- the fence of the fourth family: a double green strand.

local t = ACTOR_preload("fencefizz-1_4", "fizz", "fencefizz-1_4")
t[cp_actor_type] = cat_fence
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
