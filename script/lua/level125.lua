-- level125.lua -- level 125: big weelees, patrolling walkers, red blockers and trackflies.
-- Among its waves also stinging trackflies and small turrets.

cur_level_num = 125
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
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.89 )
    elseif t == 911 then
actor_plopper( "robot_green_path", 6, plop_path, "edge-path", 0.53 )
    elseif t == 1679 then
actor_plopper( "turret_smallemerge", 3, plop_cluster, 32, 0.27 )
actor_plopper( "blocker_red", 3, plop_edge, 0, 0.71 )
    elseif t == 2383 then
actor_plopper( "trackfly_2", c_zrand_int(3, 5), plop_cluster, 26, 0.28 )
    elseif t == 3201 then
actor_plopper( "trackfly_1", 5, plop_edge, 0, 0.22 )
actor_plopper( "robot_green_path", c_zrand_int(5, 8), plop_path, "edge-path-back", 0.53 )
    elseif t == 4033 then
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.89 )
    elseif t == 4759 then
actor_plopper( "trackfly_1", c_zrand_int(3, 6), plop_cluster, 20, 0.22 )
actor_plopper( "robot_green_path", 4, plop_path, "figure-eight", 0.53 )
    elseif t > 4759 then
        c_no_more_beasties_to_come()
    end
end
