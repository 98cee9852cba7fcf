-- level102.lua -- level 102: green walkers, and first sight of trackflies.

cur_level_num = 102
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
actor_plopper( "trackfly_1", 4, plop_cluster, 20, 0.25 )
    elseif t == 1134 then
actor_plopper( "robot_green", c_zrand_int(3, 6), plop_ring, 40, 0.4 )
    elseif t == 2105 then
actor_plopper( "trackfly_1", 4, plop_cluster, 20, 0.25 )
    elseif t == 2966 then
actor_plopper( "trackfly_1", c_zrand_int(3, 6), plop_cluster, 26, 0.25 )
    elseif t > 2966 then
        c_no_more_beasties_to_come()
    end
end
