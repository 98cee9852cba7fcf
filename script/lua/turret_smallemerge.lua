-- turret_smallemerge.lua -- a small turret rising out of the floor; after a second and a
-- half it opens fire as the small turret.

if c_is_model_preloaded("turret_1_sma") ~= 0 then
    dofilx("turret_1_sma.lua")
end

local t = ACTOR_preload("turret_smallemerge", "beasties", "turret_1_sma")
t[cp_actor_type] = cat_beastie
t[cp_these_collide_with_me] = 0
t[cp_score] = 0
c_preload_model(t)

c_set_trigger_mutate("turret_1_sma", "my_time_alive", 1.5, 1.5, 1, 1, 100, 100)
