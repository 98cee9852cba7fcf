-- level126.lua -- level 126: patrolling walkers, pathfly swarms and big weelees, and first
-- sight of mergeblobs.
-- Among its waves also small turrets.

cur_level_num = 126
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
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 36, 0.89 )
    elseif t == 1005 then
actor_plopper( "robot_green_path", 6, plop_path, "zigzag-path", 0.53 )
    elseif t == 1711 then
actor_plopper( "turret_smallemerge", 2, plop_cluster, 26, 0.27 )
actor_plopper( "pathfly_tiny", 9, plop_path, "edge-path-back", 0.22 )
    elseif t == 2478 then
actor_plopper( "weelee_big", 1, plop_edge, 0, 0.89 )
actor_plopper( "pathfly_tiny", 6, plop_path, "edge-path-back", 0.22 )
    elseif t == 3231 then
actor_plopper( "robot_green_path", c_zrand_int(5, 8), plop_path, "square-path", 0.53 )
    elseif t == 4032 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 26, 0.89 )
    elseif t == 4717 then
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.89 )
    elseif t > 4717 then
        c_no_more_beasties_to_come()
    end
end
