-- fencefizz-1_3.lua -- the fence of the third family: a pulsing orange strand.

local t = ACTOR_preload("fencefizz-1_3", "fizz", "fencefizz-1_3")
t[cp_actor_type] = cat_fence
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
