-- fencefizz-9_1.lua -- the boss barrier: a beam that burns ships, strung from the boss to
-- every boss pylon it comes near.

local t = ACTOR_preload("fencefizz-9_1", "fizz", "fencefizz-9_1")
t[cp_actor_type] = cat_fence
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)

-- Pylons never take hits, so a rule needs a live enemy at its first end: the boss types
-- this level has loaded each join the boss pylons 10 to 30 units away.
local bosses = { "motha_2_emerge", "motha_2", "robo_mom", "geopus", "powerpimp_emerge", "powerpimp" }
for i = 1, #bosses do
    if c_is_model_preloaded(bosses[i]) == 0 then
        c_add_fizz_between("fencefizz-9_1", bosses[i], "mainbone_x", "pylon-9_9", "top_x",
            "barrier_damage_gamer", 100, 10, 30, 0)
    end
end
