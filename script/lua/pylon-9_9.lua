-- pylon-9_9.lua -- the boss pylon: a dark obelisk with a glowing crown. Pylons hang on the
-- room's pylon bones: scenery that neither moves nor takes hits.

local t = ACTOR_preload("pylon-9_9", "pylons", "pylon-9_9")
t[cp_actor_type] = cat_ground
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)

c_set_random_anim("idle", 60, 140, 1, 4)
