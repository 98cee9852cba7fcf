-- level183.lua -- level 183: yellow robots, big turrets, trailers, big weelees, red
-- blockers, droplet swarms, beemspiders and small weelees.

cur_level_num = 183
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
actor_plopper( "robot_yellow", 7, plop_cluster, 20, 0.25 )
    elseif t == 513 then
actor_plopper( "turret_bigemerge", 2, plop_cluster, 38, 0.31 )
actor_plopper( "trailer_1_emerge", 3, plop_path, "edge-path", 0.75 )
    elseif t == 779 then
actor_plopper( "trailer_1_emerge", 3, plop_path, "figure-eight", 0.75, 50 )
actor_plopper( "weelee_small", 5, plop_cluster, 32, 0.19, -25 )
    elseif t == 1097 then
actor_plopper( "weelee_big", 4, plop_edge, 0, 0.63 )
    elseif t == 1379 then
actor_plopper( "blocker_red", c_zrand_int(2, 5), plop_line, 70, 0.5, 50 )
actor_plopper( "trailer_1_emerge", 3, plop_path, "square-path", 0.75, -25 )
    elseif t == 1685 then
actor_plopper( "mergeblob_1_spawn", 15, plop_edge, 0, 0.06, 50 )
    elseif t == 1981 then
actor_plopper( "beemspider_1", 5, plop_ring, 36, 0.5 )
    elseif t == 2267 then
actor_plopper( "weelee_small", 9, plop_edge, 0, 0.19, -25 )
    elseif t == 2587 then
actor_plopper( "trailer_1_emerge", c_zrand_int(2, 5), plop_path, "zigzag-path", 0.75 )
actor_plopper( "blocker_red", 3, plop_line, 50, 0.5, 50 )
    elseif t == 2883 then
actor_plopper( "turret_bigemerge", 3, plop_cluster, 26, 0.31, -25 )
    elseif t == 3153 then
actor_plopper( "robot_yellow", 4, plop_cluster, 32, 0.25, 50 )
actor_plopper( "beemspider_1", 4, plop_ring, 45, 0.5, 25 )
    elseif t == 3431 then
actor_plopper( "trailer_1_emerge", 2, plop_path, "inner-path", 0.75, -25 )
actor_plopper( "weelee_big", 2, plop_ring, 30, 0.63, 50 )
    elseif t == 3727 then
actor_plopper( "weelee_small", 6, plop_cluster, 32, 0.19, -25 )
actor_plopper( "beemspider_1", 4, plop_edge, 0, 0.5, -25 )
    elseif t == 4021 then
actor_plopper( "beemspider_1", 6, plop_ring, 30, 0.5 )
    elseif t > 4021 then
        c_no_more_beasties_to_come()
    end
end
