-- level182.lua -- level 182: yellow robots, small weelees, trackflies, mergeblobs, green
-- walkers, big weelees, pathfly swarms and ninjoos.
-- Among its waves also small turrets.

cur_level_num = 182
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
actor_plopper( "robot_yellow", 4, plop_cluster, 32, 0.25 )
actor_plopper( "trackfly_1", 8, plop_edge, 0, 0.16 )
    elseif t == 495 then
actor_plopper( "weelee_small", 5, plop_edge, 0, 0.19, -25 )
actor_plopper( "weelee_big", 2, plop_ring, 40, 0.63, -25 )
    elseif t == 795 then
actor_plopper( "trackfly_1", 8, plop_cluster, 26, 0.16, -25 )
actor_plopper( "robot_yellow", c_zrand_int(3, 6), plop_cluster, 38, 0.25, 25 )
    elseif t == 1077 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 32, 0.63, -25 )
actor_plopper( "robot_green", 6, plop_ring, 36, 0.25, 50 )
    elseif t == 1388 then
actor_plopper( "robot_green", c_zrand_int(5, 8), plop_ring, 36, 0.25, 50 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 38, 0.63 )
    elseif t == 1677 then
actor_plopper( "trackfly_1", 8, plop_edge, 0, 0.16 )
actor_plopper( "weelee_big", c_zrand_int(3, 6), plop_ring, 30, 0.63 )
    elseif t == 1992 then
actor_plopper( "pathfly_tiny", c_zrand_int(14, 17), plop_path, "figure-eight", 0.16 )
    elseif t == 2318 then
actor_plopper( "weelee_big", 2, plop_ring, 40, 0.63 )
actor_plopper( "ninjoo_1", c_zrand_int(5, 8), plop_edge, 0, 0.32, -25 )
    elseif t == 2630 then
actor_plopper( "pathfly_tiny", 11, plop_path, "figure-eight", 0.16, 25 )
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.63, 25 )
    elseif t == 2926 then
actor_plopper( "ninjoo_1", 3, plop_ring, 36, 0.32 )
actor_plopper( "trackfly_1", c_zrand_int(10, 13), plop_edge, 0, 0.16 )
    elseif t == 3253 then
actor_plopper( "mergeblob_1_big_emerge", 4, plop_ring, 36, 0.63, -25 )
    elseif t == 3529 then
actor_plopper( "turret_smallemerge", 4, plop_ring, 40, 0.19 )
actor_plopper( "pathfly_tiny", 10, plop_path, "zigzag-path", 0.16 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 32, 0.63, -25 )
    elseif t == 3837 then
actor_plopper( "robot_green", 7, plop_cluster, 20, 0.25, 25 )
actor_plopper( "ninjoo_1", 3, plop_ring, 36, 0.32, 50 )
    elseif t == 4114 then
actor_plopper( "weelee_small", 5, plop_edge, 0, 0.19, -25 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 40, 0.63 )
    elseif t > 4114 then
        c_no_more_beasties_to_come()
    end
end
