-- level171.lua -- level 171: beemspiders, ninjoos, big weelees, yellow robots, patrolling
-- walkers, red blockers and crystal storms.
-- Among its waves also trackflies.

cur_level_num = 171
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
actor_plopper( "beemspider_1", 5, plop_edge, 0, 0.55 )
    elseif t == 600 then
actor_plopper( "ninjoo_1", 3, plop_ring, 45, 0.34, 50 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.55, -25 )
    elseif t == 1012 then
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.68, -25 )
actor_plopper( "robot_yellow", c_zrand_int(3, 6), plop_edge, 0, 0.27, 25 )
    elseif t == 1414 then
actor_plopper( "robot_yellow", 4, plop_edge, 0, 0.27 )
    elseif t == 1822 then
actor_plopper( "robot_green_path", 6, plop_path, "edge-path", 0.41, 25 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.55, -25 )
    elseif t == 2200 then
actor_plopper( "blocker_red", 2, plop_line, 50, 0.55, 25 )
actor_plopper( "crystal_medium", 4, plop_ring, 45, 0.27, 25 )
    elseif t == 2583 then
actor_plopper( "crystal_medium", 4, plop_ring, 45, 0.27, -25 )
actor_plopper( "robot_green_path", 6, plop_path, "star-path", 0.41, -25 )
    elseif t == 2958 then
actor_plopper( "trackfly_1", 7, plop_edge, 0, 0.17 )
actor_plopper( "beemspider_1", c_zrand_int(4, 7), plop_edge, 0, 0.55 )
    elseif t == 3380 then
actor_plopper( "blocker_red", 3, plop_edge, 0, 0.55 )
actor_plopper( "crystal_medium", 4, plop_edge, 0, 0.27 )
    elseif t == 3750 then
actor_plopper( "robot_yellow", 4, plop_cluster, 20, 0.27, 50 )
    elseif t == 4178 then
actor_plopper( "robot_yellow", 4, plop_cluster, 38, 0.27, -25 )
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.68, 50 )
    elseif t == 4590 then
actor_plopper( "crystal_medium", 4, plop_edge, 0, 0.27, 25 )
actor_plopper( "beemspider_1", 3, plop_edge, 0, 0.55, -25 )
    elseif t > 4590 then
        c_no_more_beasties_to_come()
    end
end
