-- level112.lua -- level 112: pathfly swarms, and first sight of yellow robots.

cur_level_num = 112
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
actor_plopper( "robot_yellow", c_zrand_int(2, 4), plop_edge, 0, 0.38 )
    elseif t == 1147 then
actor_plopper( "pathfly_tiny", 5, plop_path, "edge-path", 0.24 )
    elseif t == 2079 then
actor_plopper( "pathfly_tiny", 5, plop_path, "inner-path", 0.24 )
    elseif t == 2927 then
actor_plopper( "robot_yellow", c_zrand_int(2, 4), plop_cluster, 38, 0.38 )
    elseif t == 3800 then
actor_plopper( "pathfly_tiny", 2, plop_path, "figure-eight", 0.24 )
actor_plopper( "robot_yellow", 1, plop_edge, 0, 0.38 )
    elseif t > 3800 then
        c_no_more_beasties_to_come()
    end
end
