-- fencefizz-1_5.lua -- the fence of the fifth family: a violet ribbon.

local t = ACTOR_preload("fencefizz-1_5", "fizz", "fencefizz-1_5")
t[cp_actor_type] = cat_fence
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
