-- pylon-6_1.lua -- sixth family: a torus on a stalk. Pylons hang on the room's pylon
-- bones: scenery that neither moves nor takes hits.

local t = ACTOR_preload("pylon-6_1", "pylons", "pylon-6_1")
t[cp_actor_type] = cat_ground
t[cp_in_beastie_count] = 0
t[cp_these_collide_with_me] = 0
c_preload_model(t)
