-- level101.lua -- level 101: first sight of green walkers.

cur_level_num = 101
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
actor_plopper( "robot_green", c_zrand_int(3, 6), plop_edge, 0, 0.4 )
    elseif t == 1133 then
actor_plopper( "robot_green", 4, plop_cluster, 32, 0.4 )
    elseif t == 2161 then
actor_plopper( "robot_green", 4, plop_cluster, 26, 0.4 )
    elseif t == 3177 then
actor_plopper( "robot_green", 4, plop_cluster, 20, 0.4 )
    elseif t > 3177 then
        c_no_more_beasties_to_come()
    end
end
