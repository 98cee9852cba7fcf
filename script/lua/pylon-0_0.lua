-- pylon-0_0.lua -- the plain pylon of the proving ground. Pylons hang on the room's pylon
-- bones: scenery that neither moves nor takes hits.

local t = ACTOR_preload("pylon-0_0", "pylons", "pylon-0_0")
t[cp_actor_type] = cat_ground
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
