-- pylon-4_3.lua -- fourth family: a tower with rings. Pylons hang on the room's pylon
-- bones: scenery that neither moves nor takes hits.

local t = ACTOR_preload("pylon-4_3", "pylons", "pylon-4_3")
t[cp_actor_type] = cat_ground
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
