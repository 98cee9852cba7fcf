-- turret-fizz.lua -- the link between neighbouring turrets: a humming line of light.

local t = ACTOR_preload("turret-fizz", "fizz", "turret-fizz")
t[cp_actor_type] = cat_fizz
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
