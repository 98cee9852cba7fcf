-- level188.lua -- level 188: great crystals, yellow robots, weblobs, mergeblobs, small
-- turrets, trackflies, pathfly swarms and trailers.
-- Among its waves also ninjoos.

cur_level_num = 188
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(6000, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "crystal_large", 3, plop_ring, 40, 0.48, 50 )
actor_plopper( "turret_smallemerge", 5, plop_ring, 45, 0.18, 25 )
    elseif t == 460 then
actor_plopper( "robot_yellow", 9, plop_cluster, 38, 0.24 )
    elseif t == 730 then
actor_plopper( "weblob_tiny2", c_zrand_int(10, 13), plop_cluster, 38, 0.09 )
actor_plopper( "trailer_1_emerge", 3, plop_path, "zigzag-path", 0.73, -25 )
    elseif t == 993 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 20, 0.6, 25 )
actor_plopper( "trailer_1_emerge", 3, plop_path, "figure-eight", 0.73 )
    elseif t == 1247 then
actor_plopper( "turret_smallemerge", 8, plop_ring, 40, 0.18, 50 )
    elseif t == 1521 then
actor_plopper( "trackfly_1", c_zrand_int(6, 9), plop_cluster, 32, 0.15 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 20, 0.6, 50 )
    elseif t == 1766 then
actor_plopper( "trackfly_1", 8, plop_edge, 0, 0.15 )
actor_plopper( "pathfly_tiny", 15, plop_path, "inner-path", 0.15 )
    elseif t == 2016 then
actor_plopper( "trailer_1_emerge", 3, plop_path, "zigzag-path", 0.73, 25 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 40, 0.6, -25 )
    elseif t == 2261 then
actor_plopper( "turret_smallemerge", 6, plop_ring, 45, 0.18 )
actor_plopper( "crystal_large", c_zrand_int(2, 5), plop_ring, 40, 0.48, 25 )
    elseif t == 2525 then
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.31 )
actor_plopper( "crystal_large", 5, plop_edge, 0, 0.48, 50 )
    elseif t == 2768 then
actor_plopper( "trailer_1_emerge", 3, plop_path, "edge-path-back", 0.73 )
actor_plopper( "weblob_tiny2", 11, plop_ring, 36, 0.09 )
    elseif t == 3016 then
actor_plopper( "robot_yellow", c_zrand_int(4, 7), plop_edge, 0, 0.24 )
actor_plopper( "trailer_1_emerge", 3, plop_path, "star-path", 0.73 )
    elseif t == 3282 then
actor_plopper( "weblob_tiny2", 9, plop_cluster, 26, 0.09 )
actor_plopper( "robot_yellow", 5, plop_edge, 0, 0.24, 50 )
    elseif t == 3539 then
actor_plopper( "crystal_large", c_zrand_int(2, 5), plop_edge, 0, 0.48 )
actor_plopper( "trailer_1_emerge", 3, plop_path, "star-path", 0.73 )
    elseif t > 3539 then
        c_no_more_beasties_to_come()
    end
end
