-- laserfizz-2sec.lua -- the beam that ties a 2-second laser bolt to the gun that fired it;
-- it burns the ships it crosses.

local t = ACTOR_preload("laserfizz-2sec", "fizz", "laserfizz-2sec")
t[cp_actor_type] = cat_fizz
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
