-- level108.lua -- level 108: patrolling walkers and trackflies.

cur_level_num = 108
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
actor_plopper( "robot_green_path", 5, plop_path, "figure-eight", 0.58 )
    elseif t == 1192 then
actor_plopper( "trackfly_1", 5, plop_edge, 0, 0.24 )
    elseif t == 2144 then
actor_plopper( "trackfly_1", c_zrand_int(2, 5), plop_edge, 0, 0.24 )
actor_plopper( "robot_green_path", 3, plop_path, "square-path", 0.58 )
    elseif t == 3122 then
actor_plopper( "robot_green_path", 2, plop_path, "square-path", 0.58 )
actor_plopper( "trackfly_1", 3, plop_cluster, 38, 0.24 )
    elseif t > 3122 then
        c_no_more_beasties_to_come()
    end
end
