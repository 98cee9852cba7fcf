-- level153.lua -- level 153: stinging trackflies, green walkers, great crystals, small
-- weelees, droplet swarms and patrolling walkers.

cur_level_num = 153
dofilx("everything.lua")

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
actor_plopper( "trackfly_2", 4, plop_cluster, 26, 0.23, 50 )
    elseif t == 743 then
actor_plopper( "robot_green", 5, plop_cluster, 38, 0.31 )
    elseif t == 1266 then
actor_plopper( "crystal_large", 2, plop_ring, 30, 0.61, -25 )
    elseif t == 1801 then
actor_plopper( "weelee_small", 5, plop_edge, 0, 0.23, 25 )
    elseif t == 2354 then
actor_plopper( "mergeblob_1_spawn", 6, plop_edge, 0, 0.08, 50 )
actor_plopper( "weelee_small", 3, plop_cluster, 32, 0.23, -25 )
    elseif t == 2888 then
actor_plopper( "robot_green_path", c_zrand_int(4, 7), plop_path, "edge-path", 0.46, 25 )
actor_plopper( "mergeblob_1_spawn", 6, plop_edge, 0, 0.08, 50 )
    elseif t == 3450 then
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.61 )
    elseif t == 3965 then
actor_plopper( "weelee_small", 3, plop_edge, 0, 0.23, 25 )
    elseif t == 4517 then
actor_plopper( "weelee_small", 4, plop_cluster, 38, 0.23, -25 )
actor_plopper( "trackfly_2", 2, plop_edge, 0, 0.23, -25 )
    elseif t == 5067 then
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.61, 25 )
actor_plopper( "robot_green_path", 4, plop_path, "figure-eight", 0.46, -25 )
    elseif t > 5067 then
        c_no_more_beasties_to_come()
    end
end
