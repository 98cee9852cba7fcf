-- fencefizz-9_9.lua -- the boss fence: a heavy purple strand.

local t = ACTOR_preload("fencefizz-9_9", "fizz", "fencefizz-9_9")
t[cp_actor_type] = cat_fence
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
