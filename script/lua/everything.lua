-- everything.lua -- what every level script runs first: the vocabulary and the launch
-- helpers, the players' ships, the room with its floor and pylons, the enemy types the
-- level needs (after the pylons: beams such as the beemspider's strands join every pylon
-- type defined so far), the standard paths, and the level's colours.

cur_level_num = cur_level_num or 100

dofilx("actor.lua")
dofilx("actor_place.lua")
dofilx("player_all.lua")
dofilx("floor_chooser.lua")
dofilx("pylon_chooser.lua")
dofilx("beasties_all.lua")
dofilx("paths.lua")

-- The background brightens through each run of ten levels; the game answers the hue it
-- gave the level.
level_hue = c_background_colour(0, 20 + (cur_level_num % 10) * 5)

