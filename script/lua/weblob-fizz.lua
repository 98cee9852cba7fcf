-- weblob-fizz.lua -- the sticky strand between weblobs; it burns ships that fly through
-- it.

local t = ACTOR_preload("weblob-fizz", "fizz", "weblob-fizz")
t[cp_actor_type] = cat_fizz
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
