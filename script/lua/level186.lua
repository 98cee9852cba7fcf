-- level186.lua -- level 186: small weelees, pathfly swarms, mergeblobs, yellow robots,
-- ninjoos, spinners, big weelees and beemspiders.
-- Among its waves also green walkers and trackflies.

cur_level_num = 186
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
actor_plopper( "weelee_small", c_zrand_int(5, 8), plop_edge, 0, 0.18, 25 )
actor_plopper( "spinner_1", 5, plop_ring, 45, 0.18 )
    elseif t == 500 then
actor_plopper( "pathfly_tiny", c_zrand_int(9, 12), plop_path, "star-path", 0.15, 25 )
actor_plopper( "robot_yellow", c_zrand_int(4, 7), plop_cluster, 26, 0.25 )
    elseif t == 777 then
actor_plopper( "mergeblob_1_big_emerge", 4, plop_ring, 40, 0.61, 25 )
    elseif t == 1060 then
actor_plopper( "robot_yellow", c_zrand_int(6, 9), plop_edge, 0, 0.25, 25 )
    elseif t == 1314 then
actor_plopper( "ninjoo_1", c_zrand_int(5, 8), plop_edge, 0, 0.31, 50 )
    elseif t == 1577 then
actor_plopper( "spinner_1", 8, plop_edge, 0, 0.18 )
    elseif t == 1849 then
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.61, 25 )
actor_plopper( "ninjoo_1", c_zrand_int(3, 6), plop_ring, 30, 0.31, 50 )
    elseif t == 2144 then
actor_plopper( "robot_green", 7, plop_edge, 0, 0.25 )
actor_plopper( "trackfly_1", 8, plop_edge, 0, 0.15 )
actor_plopper( "beemspider_1", 6, plop_edge, 0, 0.49 )
    elseif t == 2411 then
actor_plopper( "ninjoo_1", 3, plop_ring, 30, 0.31 )
actor_plopper( "weelee_small", 6, plop_cluster, 38, 0.18, -25 )
    elseif t == 2671 then
actor_plopper( "weelee_small", 5, plop_cluster, 26, 0.18, -25 )
actor_plopper( "pathfly_tiny", 11, plop_path, "star-path", 0.15 )
    elseif t == 2964 then
actor_plopper( "robot_yellow", c_zrand_int(3, 6), plop_edge, 0, 0.25, -25 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 26, 0.61 )
    elseif t == 3250 then
actor_plopper( "weelee_big", 2, plop_ring, 45, 0.61 )
actor_plopper( "spinner_1", c_zrand_int(4, 7), plop_ring, 36, 0.18, 25 )
    elseif t == 3539 then
actor_plopper( "ninjoo_1", 6, plop_ring, 30, 0.31 )
    elseif t == 3798 then
actor_plopper( "spinner_1", c_zrand_int(5, 8), plop_ring, 36, 0.18, 25 )
actor_plopper( "beemspider_1", 4, plop_edge, 0, 0.49 )
    elseif t > 3798 then
        c_no_more_beasties_to_come()
    end
end
