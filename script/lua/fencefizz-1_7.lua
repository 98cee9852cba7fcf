-- fencefizz-1_7.lua -- the fence of the proving ground: a plain white strand.

local t = ACTOR_preload("fencefizz-1_7", "fizz", "fencefizz-1_7")
t[cp_actor_type] = cat_fence
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
