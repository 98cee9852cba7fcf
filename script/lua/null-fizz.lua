-- null-fizz.lua -- an invisible beam, for beam rules that only keep two actors in touch.

local t = ACTOR_preload("null-fizz", "fizz", "null-fizz")
t[cp_actor_type] = cat_fizz
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
