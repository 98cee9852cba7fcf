-- level119.lua -- level 119: stinging trackflies, patrolling walkers and green walkers,
-- with Robo Mom to beat.

cur_level_num = 119
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(10500, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "trackfly_2", 3, plop_edge, 0, 0.28 )
    elseif t == 958 then
actor_plopper( "robot_green_path", c_zrand_int(4, 7), plop_path, "square-path", 0.55 )
    elseif t == 1716 then
actor_plopper( "robot_green", 5, plop_ring, 40, 0.37 )
    elseif t == 2502 then
actor_plopper( "trackfly_2", 3, plop_cluster, 32, 0.28 )
    elseif t == 3308 then
actor_plopper( "robo_mom", 1, plop_ring, 25, 0 )
        -- The escorts keep to the clock while the boss lives.
        c_time_skip_off(1)
    elseif t == 4208 then
actor_plopper( "trackfly_2", 3, plop_cluster, 20, 0.3 )
    elseif t == 5108 then
actor_plopper( "trackfly_2", 3, plop_cluster, 20, 0.3 )
    elseif t > 5108 then
        c_no_more_beasties_to_come()
    end
end
