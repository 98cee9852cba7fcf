-- level109.lua -- level 109: patrolling walkers and green walkers, with the motha to beat.

cur_level_num = 109
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", -1, 68)

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(10000, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "robot_green_path", 5, plop_path, "edge-path", 0.58 )
    elseif t == 1193 then
actor_plopper( "robot_green", 5, plop_cluster, 20, 0.39 )
    elseif t == 2147 then
actor_plopper( "robot_green", c_zrand_int(4, 7), plop_ring, 30, 0.39 )
    elseif t == 3033 then
actor_plopper( "motha_2_emerge", 1, plop_ring, 25, 0 )
        -- The escorts keep to the clock while the boss lives.
        c_time_skip_off(1)
    elseif t == 3933 then
actor_plopper( "robot_green_path", 4, plop_path, "level-path", 0.6 )
    elseif t == 4833 then
actor_plopper( "robot_green_path", 4, plop_path, "edge-path-back", 0.6 )
    elseif t > 4833 then
        c_no_more_beasties_to_come()
    end
end
