-- fencefizz-9_1.lua -- the boss barrier: a beam that burns ships and fences enemies in.

local t = ACTOR_preload("fencefizz-9_1", "fizz", "fencefizz-9_1")
t[cp_actor_type] = cat_fence
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)

-- Joins boss pylons that stand 10 to 30 units apart with a barrier that burns ships.
c_add_fizz_between("fencefizz-9_1", "pylon-9_9", "top_x", "pylon-9_9", "top_x",
    "barrier_damage_gamer", 100, 10, 30, 0)
