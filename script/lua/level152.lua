-- level152.lua -- level 152: droplet swarms, sliding walls, mergeblobs, pathfly swarms,
-- patrolling walkers and trailers.
-- Among its waves also small turrets.

cur_level_num = 152
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", 0, 69)

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
actor_plopper( "mergeblob_1_spawn", 9, plop_edge, 0, 0.08 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 40, 0.77, 50 )
    elseif t == 764 then
actor_plopper( "wall_1_flat", 4, plop_line, 50, 0 )
    elseif t == 1332 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 30, 0.77, 25 )
actor_plopper( "mergeblob_1_spawn", c_zrand_int(7, 10), plop_cluster, 38, 0.08, 50 )
    elseif t == 1824 then
actor_plopper( "turret_smallemerge", 3, plop_cluster, 26, 0.23 )
actor_plopper( "pathfly_tiny", c_zrand_int(6, 9), plop_path, "square-path", 0.19, -25 )
actor_plopper( "mergeblob_1_spawn", 8, plop_cluster, 32, 0.08, -25 )
    elseif t == 2377 then
actor_plopper( "robot_green_path", 5, plop_path, "level-path", 0.46, 50 )
actor_plopper( "mergeblob_1_spawn", c_zrand_int(8, 11), plop_cluster, 32, 0.08, 50 )
    elseif t == 2868 then
actor_plopper( "trailer_1_emerge", 2, plop_path, "inner-path", 0.92, 25 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 32, 0.77 )
    elseif t == 3421 then
actor_plopper( "robot_green_path", c_zrand_int(3, 6), plop_path, "edge-path", 0.46, 50 )
actor_plopper( "trailer_1_emerge", 2, plop_path, "level-path", 0.92, -25 )
    elseif t == 3959 then
actor_plopper( "robot_green_path", 4, plop_path, "figure-eight", 0.46, -25 )
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0, 25 )
    elseif t == 4541 then
actor_plopper( "robot_green_path", 8, plop_path, "edge-path-back", 0.46, -25 )
    elseif t == 5034 then
actor_plopper( "mergeblob_1_spawn", 9, plop_cluster, 32, 0.08 )
actor_plopper( "mergeblob_1_big_emerge", 3, plop_cluster, 26, 0.77 )
    elseif t > 5034 then
        c_no_more_beasties_to_come()
    end
end
