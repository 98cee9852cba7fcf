-- fencefizz-1_2.lua -- the fence of the second family: a strand of ice.

local t = ACTOR_preload("fencefizz-1_2", "fizz", "fencefizz-1_2")
t[cp_actor_type] = cat_fence
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
