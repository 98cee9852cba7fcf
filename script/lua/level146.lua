-- level146.lua -- level 146: big turrets, patrolling walkers, crystal storms and small
-- turrets, and first sight of droplet swarms.

cur_level_num = 146
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", 0, 57)

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
actor_plopper( "mergeblob_1_spawn", 7, plop_cluster, 32, 0.08 )
actor_plopper( "crystal_medium", 4, plop_edge, 0, 0.32, 50 )
    elseif t == 803 then
actor_plopper( "turret_bigemerge", 1, plop_ring, 45, 0.4, 25 )
actor_plopper( "mergeblob_1_spawn", 8, plop_cluster, 20, 0.08 )
    elseif t == 1385 then
actor_plopper( "robot_green_path", c_zrand_int(3, 6), plop_path, "zigzag-path", 0.48, 25 )
actor_plopper( "mergeblob_1_spawn", 7, plop_edge, 0, 0.08, -25 )
    elseif t == 2007 then
actor_plopper( "crystal_medium", c_zrand_int(5, 8), plop_edge, 0, 0.32, -25 )
    elseif t == 2585 then
actor_plopper( "turret_smallemerge", c_zrand_int(4, 7), plop_cluster, 26, 0.24, 25 )
    elseif t == 3175 then
actor_plopper( "crystal_medium", 6, plop_edge, 0, 0.32 )
    elseif t == 3738 then
actor_plopper( "mergeblob_1_spawn", 12, plop_cluster, 38, 0.08, 25 )
    elseif t == 4278 then
actor_plopper( "robot_green_path", 4, plop_path, "level-path", 0.48, 50 )
actor_plopper( "crystal_medium", 3, plop_ring, 30, 0.32 )
    elseif t == 4925 then
actor_plopper( "robot_green_path", 7, plop_path, "inner-path", 0.48, 50 )
    elseif t > 4925 then
        c_no_more_beasties_to_come()
    end
end
