-- turret_bigemerge.lua -- a big turret rising out of the floor; after two seconds it opens
-- fire as the big turret.

if c_is_model_preloaded("turret_1_big") ~= 0 then
    dofilx("turret_1_big.lua")
end

local t = ACTOR_preload("turret_bigemerge", "beasties", "turret_1_big")
t[cp_actor_type] = cat_beastie
t[cp_these_collide_with_me] = 0
t[cp_score] = 0
c_preload_model(t)

c_set_trigger_mutate("turret_1_big", "my_time_alive", 2.0, 2.0, 1, 1, 100, 100)
