-- level133.lua -- level 133: mergeblobs, stinging trackflies and weblobs, and first sight
-- of trailers.
-- Among its waves also ninjoos.

cur_level_num = 133
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", -1, 56)

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(7000, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "trailer_1_emerge", 2, plop_path, "level-path", 1.03 )
actor_plopper( "trackfly_2", 3, plop_edge, 0, 0.26 )
    elseif t == 907 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 20, 0.85 )
    elseif t == 1621 then
actor_plopper( "ninjoo_1", 3, plop_ring, 36, 0.43 )
actor_plopper( "trackfly_2", 5, plop_cluster, 20, 0.26 )
    elseif t == 2330 then
actor_plopper( "weblob_tiny2", c_zrand_int(5, 8), plop_ring, 30, 0.13 )
actor_plopper( "trailer_1_emerge", 2, plop_path, "star-path", 1.03 )
    elseif t == 3072 then
actor_plopper( "weblob_tiny2", c_zrand_int(9, 12), plop_ring, 36, 0.13 )
    elseif t == 3811 then
actor_plopper( "trailer_1_emerge", c_zrand_int(2, 5), plop_path, "edge-path-back", 1.03 )
    elseif t == 4468 then
actor_plopper( "trackfly_2", 5, plop_edge, 0, 0.26 )
    elseif t == 5111 then
actor_plopper( "weblob_tiny2", 6, plop_ring, 40, 0.13 )
actor_plopper( "mergeblob_1_big_emerge", 1, plop_ring, 40, 0.85 )
    elseif t > 5111 then
        c_no_more_beasties_to_come()
    end
end
