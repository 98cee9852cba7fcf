-- level157.lua -- level 157: trailers, droplet swarms, red blockers, trackflies,
-- patrolling walkers and sliding walls.

cur_level_num = 157
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", -1, 74)

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
actor_plopper( "trailer_1_emerge", 2, plop_path, "edge-path", 0.89, 50 )
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0 )
    elseif t == 698 then
actor_plopper( "mergeblob_1_spawn", 7, plop_edge, 0, 0.07, -25 )
actor_plopper( "trailer_1_emerge", 2, plop_path, "level-path", 0.89, -25 )
    elseif t == 1193 then
actor_plopper( "blocker_red", 2, plop_line, 60, 0.6, 50 )
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0 )
    elseif t == 1681 then
actor_plopper( "trackfly_1", 5, plop_cluster, 20, 0.19 )
actor_plopper( "mergeblob_1_spawn", 8, plop_edge, 0, 0.07, 25 )
    elseif t == 2190 then
actor_plopper( "robot_green_path", 5, plop_path, "inner-path", 0.45, 25 )
actor_plopper( "trackfly_1", 5, plop_edge, 0, 0.19 )
    elseif t == 2665 then
actor_plopper( "wall_1_flat", 4, plop_line, 60, 0 )
    elseif t == 3138 then
actor_plopper( "robot_green_path", c_zrand_int(3, 6), plop_path, "square-path", 0.45, 25 )
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0 )
    elseif t == 3657 then
actor_plopper( "robot_green_path", c_zrand_int(7, 10), plop_path, "level-path", 0.45 )
    elseif t == 4151 then
actor_plopper( "wall_1_flat", 4, plop_line, 60, 0, 25 )
    elseif t == 4613 then
actor_plopper( "mergeblob_1_spawn", c_zrand_int(8, 11), plop_edge, 0, 0.07, 25 )
actor_plopper( "wall_1_flat", 2, plop_line, 60, 0, 50 )
    elseif t == 5109 then
actor_plopper( "mergeblob_1_spawn", 9, plop_cluster, 26, 0.07 )
actor_plopper( "robot_green_path", 8, plop_path, "star-path", 0.45, 50 )
    elseif t > 5109 then
        c_no_more_beasties_to_come()
    end
end
