-- laserfizz-3sec.lua -- the beam that ties a 3-second laser bolt to the gun that fired it;
-- it burns the ships it crosses.

local t = ACTOR_preload("laserfizz-3sec", "fizz", "laserfizz-3sec")
t[cp_actor_type] = cat_fizz
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
