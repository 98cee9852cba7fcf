-- level140.lua -- level 140: big weelees, pathfly swarms, sliding walls, green walkers and
-- yellow robots.
-- Among its waves also beemspiders and trackflies.

cur_level_num = 140
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
actor_plopper( "weelee_big", 2, plop_ring, 36, 0.82 )
    elseif t == 865 then
actor_plopper( "pathfly_tiny", c_zrand_int(6, 9), plop_path, "square-path", 0.21 )
actor_plopper( "weelee_big", 1, plop_ring, 45, 0.82 )
    elseif t == 1564 then
actor_plopper( "beemspider_1", 2, plop_edge, 0, 0.66 )
actor_plopper( "wall_1_flat", 3, plop_line, 70, 0 )
    elseif t == 2190 then
actor_plopper( "trackfly_1", 6, plop_edge, 0, 0.21 )
actor_plopper( "robot_green", c_zrand_int(6, 9), plop_ring, 30, 0.33 )
    elseif t == 2862 then
actor_plopper( "robot_yellow", 3, plop_cluster, 20, 0.33 )
    elseif t == 3496 then
actor_plopper( "robot_yellow", c_zrand_int(4, 7), plop_cluster, 32, 0.33 )
    elseif t == 4122 then
actor_plopper( "weelee_big", 1, plop_edge, 0, 0.82 )
actor_plopper( "pathfly_tiny", c_zrand_int(6, 9), plop_path, "figure-eight", 0.21 )
    elseif t == 4802 then
actor_plopper( "pathfly_tiny", c_zrand_int(6, 9), plop_path, "inner-path", 0.21 )
actor_plopper( "robot_yellow", 3, plop_cluster, 20, 0.33 )
    elseif t > 4802 then
        c_no_more_beasties_to_come()
    end
end
