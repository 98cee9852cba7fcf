-- beemspider-fizz.lua -- the beemspider's web strand, strung from a spider to the pylons;
-- it burns ships.

local t = ACTOR_preload("beemspider-fizz", "fizz", "beemspider-fizz")
t[cp_actor_type] = cat_fizz
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
