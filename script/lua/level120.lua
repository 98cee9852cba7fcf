-- level120.lua -- level 120: patrolling walkers, spinners and trackflies.
-- Among its waves also yellow robots, stinging trackflies and small turrets.

cur_level_num = 120
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
actor_plopper( "robot_green_path", c_zrand_int(4, 7), plop_path, "zigzag-path", 0.55 )
    elseif t == 1000 then
actor_plopper( "robot_yellow", 2, plop_ring, 36, 0.36 )
actor_plopper( "robot_green_path", 3, plop_path, "edge-path-back", 0.55 )
    elseif t == 1835 then
actor_plopper( "trackfly_2", 4, plop_edge, 0, 0.28 )
    elseif t == 2558 then
actor_plopper( "turret_smallemerge", 2, plop_cluster, 26, 0.27 )
actor_plopper( "spinner_1", 4, plop_ring, 40, 0.27 )
    elseif t == 3382 then
actor_plopper( "trackfly_1", c_zrand_int(5, 8), plop_cluster, 32, 0.23 )
    elseif t == 4104 then
actor_plopper( "robot_green_path", 5, plop_path, "star-path", 0.55 )
    elseif t > 4104 then
        c_no_more_beasties_to_come()
    end
end
