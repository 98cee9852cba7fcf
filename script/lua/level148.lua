-- level148.lua -- level 148: droplet swarms, great crystals, green walkers, red blockers
-- and mergeblobs.

cur_level_num = 148
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
actor_plopper( "mergeblob_1_spawn", 11, plop_cluster, 26, 0.08, 50 )
    elseif t == 835 then
actor_plopper( "crystal_large", c_zrand_int(3, 6), plop_ring, 45, 0.63 )
    elseif t == 1365 then
actor_plopper( "robot_green", 4, plop_ring, 40, 0.31 )
actor_plopper( "blocker_red", 2, plop_line, 70, 0.63 )
    elseif t == 1884 then
actor_plopper( "blocker_red", 2, plop_line, 70, 0.63, -25 )
actor_plopper( "robot_green", c_zrand_int(3, 6), plop_ring, 36, 0.31, 25 )
    elseif t == 2441 then
actor_plopper( "mergeblob_1_big_emerge", c_zrand_int(2, 5), plop_ring, 45, 0.79, -25 )
    elseif t == 3050 then
actor_plopper( "blocker_red", 3, plop_edge, 0, 0.63 )
    elseif t == 3679 then
actor_plopper( "mergeblob_1_spawn", 8, plop_edge, 0, 0.08 )
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.63, 50 )
    elseif t == 4249 then
actor_plopper( "blocker_red", 2, plop_line, 70, 0.63 )
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.63, 25 )
    elseif t == 4851 then
actor_plopper( "robot_green", 7, plop_edge, 0, 0.31, -25 )
    elseif t > 4851 then
        c_no_more_beasties_to_come()
    end
end
