-- level173.lua -- level 173: yellow robots, small turrets, crystal storms, mergeblobs,
-- green walkers, small weelees, patrolling walkers and spinners.
-- Among its waves also trackflies.

cur_level_num = 173
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(6500, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "robot_yellow", 4, plop_cluster, 38, 0.27, -25 )
actor_plopper( "robot_green_path", 6, plop_path, "edge-path", 0.4, 50 )
    elseif t == 586 then
actor_plopper( "turret_smallemerge", 4, plop_ring, 45, 0.2, -25 )
actor_plopper( "robot_yellow", 4, plop_edge, 0, 0.27, 25 )
    elseif t == 924 then
actor_plopper( "crystal_medium", c_zrand_int(6, 9), plop_edge, 0, 0.27, 50 )
    elseif t == 1324 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 26, 0.67, 25 )
actor_plopper( "robot_yellow", 4, plop_edge, 0, 0.27, 50 )
    elseif t == 1711 then
actor_plopper( "robot_green", c_zrand_int(7, 10), plop_ring, 36, 0.27, -25 )
    elseif t == 2110 then
actor_plopper( "weelee_small", 5, plop_edge, 0, 0.2, -25 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 20, 0.67, 50 )
    elseif t == 2454 then
actor_plopper( "robot_green_path", 5, plop_path, "figure-eight", 0.4, 50 )
actor_plopper( "turret_smallemerge", 2, plop_cluster, 38, 0.2 )
    elseif t == 2821 then
actor_plopper( "spinner_1", 4, plop_ring, 30, 0.2 )
actor_plopper( "turret_smallemerge", 2, plop_cluster, 38, 0.2 )
    elseif t == 3167 then
actor_plopper( "trackfly_1", 7, plop_cluster, 26, 0.17 )
actor_plopper( "crystal_medium", 7, plop_ring, 45, 0.27, 25 )
    elseif t == 3508 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 30, 0.67, 50 )
actor_plopper( "robot_green", 5, plop_edge, 0, 0.27, 25 )
    elseif t == 3896 then
actor_plopper( "robot_green_path", 6, plop_path, "star-path", 0.4, -25 )
actor_plopper( "robot_yellow", 4, plop_cluster, 32, 0.27 )
    elseif t == 4280 then
actor_plopper( "weelee_small", 5, plop_cluster, 32, 0.2 )
actor_plopper( "robot_green", 5, plop_edge, 0, 0.27, -25 )
    elseif t == 4688 then
actor_plopper( "robot_green_path", 6, plop_path, "edge-path", 0.4, -25 )
actor_plopper( "turret_smallemerge", 4, plop_ring, 30, 0.2, -25 )
    elseif t > 4688 then
        c_no_more_beasties_to_come()
    end
end
