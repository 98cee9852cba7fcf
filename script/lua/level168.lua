-- level168.lua -- level 168: big weelees, crystal storms, pathfly swarms, yellow robots,
-- trackflies, great crystals and sliding walls.
-- Among its waves also beemspiders, ninjoos and green walkers.

cur_level_num = 168
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
actor_plopper( "weelee_big", 2, plop_ring, 36, 0.7, -25 )
actor_plopper( "crystal_medium", 4, plop_edge, 0, 0.28 )
    elseif t == 642 then
actor_plopper( "crystal_medium", 4, plop_ring, 45, 0.28, 50 )
actor_plopper( "wall_1_flat", c_zrand_int(2, 5), plop_line, 50, 0, 25 )
    elseif t == 1074 then
actor_plopper( "ninjoo_1", 3, plop_ring, 36, 0.36 )
actor_plopper( "pathfly_tiny", 9, plop_path, "edge-path-back", 0.17 )
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0, 50 )
    elseif t == 1452 then
actor_plopper( "robot_yellow", c_zrand_int(3, 6), plop_edge, 0, 0.28, -25 )
actor_plopper( "crystal_medium", 4, plop_ring, 36, 0.28 )
    elseif t == 1859 then
actor_plopper( "beemspider_1", 3, plop_edge, 0, 0.56 )
actor_plopper( "trackfly_1", c_zrand_int(5, 8), plop_edge, 0, 0.17, -25 )
actor_plopper( "pathfly_tiny", 9, plop_path, "edge-path-back", 0.17 )
    elseif t == 2282 then
actor_plopper( "trackfly_1", 6, plop_edge, 0, 0.17 )
actor_plopper( "crystal_large", 5, plop_ring, 40, 0.56, -25 )
    elseif t == 2658 then
actor_plopper( "ninjoo_1", 3, plop_ring, 40, 0.36 )
actor_plopper( "wall_1_flat", 4, plop_line, 70, 0, -25 )
    elseif t == 3079 then
actor_plopper( "robot_green", 6, plop_edge, 0, 0.28 )
actor_plopper( "robot_yellow", c_zrand_int(3, 6), plop_cluster, 38, 0.28, 50 )
actor_plopper( "pathfly_tiny", 9, plop_path, "edge-path-back", 0.17 )
    elseif t == 3490 then
actor_plopper( "pathfly_tiny", c_zrand_int(8, 11), plop_path, "inner-path", 0.17, 25 )
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0, 25 )
    elseif t == 3916 then
actor_plopper( "robot_yellow", c_zrand_int(3, 6), plop_edge, 0, 0.28, -25 )
actor_plopper( "wall_1_flat", 3, plop_line, 60, 0, -25 )
    elseif t == 4358 then
actor_plopper( "crystal_medium", 4, plop_ring, 30, 0.28, 25 )
actor_plopper( "trackfly_1", c_zrand_int(6, 9), plop_edge, 0, 0.17 )
    elseif t == 4781 then
actor_plopper( "wall_1_flat", c_zrand_int(2, 5), plop_line, 70, 0 )
actor_plopper( "trackfly_1", c_zrand_int(6, 9), plop_cluster, 32, 0.17 )
    elseif t > 4781 then
        c_no_more_beasties_to_come()
    end
end
