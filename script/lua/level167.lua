-- level167.lua -- level 167: great crystals, green walkers, crystal storms, beemspiders,
-- sliding walls, droplet swarms and trailers.

cur_level_num = 167
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
actor_plopper( "crystal_large", c_zrand_int(3, 6), plop_ring, 30, 0.56, -25 )
    elseif t == 652 then
actor_plopper( "robot_green", 9, plop_edge, 0, 0.28, -25 )
    elseif t == 1094 then
actor_plopper( "crystal_medium", 4, plop_edge, 0, 0.28, -25 )
actor_plopper( "trailer_1_emerge", 2, plop_path, "figure-eight", 0.84, -25 )
    elseif t == 1515 then
actor_plopper( "beemspider_1", 3, plop_edge, 0, 0.56 )
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0, 25 )
    elseif t == 1896 then
actor_plopper( "wall_1_flat", 3, plop_line, 60, 0 )
    elseif t == 2318 then
actor_plopper( "mergeblob_1_spawn", 10, plop_edge, 0, 0.07 )
    elseif t == 2749 then
actor_plopper( "trailer_1_emerge", 4, plop_path, "square-path", 0.84, 25 )
    elseif t == 3137 then
actor_plopper( "crystal_large", 2, plop_ring, 30, 0.56, 25 )
actor_plopper( "crystal_medium", 4, plop_edge, 0, 0.28, 50 )
    elseif t == 3555 then
actor_plopper( "robot_green", 6, plop_ring, 45, 0.28 )
actor_plopper( "trailer_1_emerge", 2, plop_path, "square-path", 0.84 )
    elseif t == 3960 then
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0, 25 )
actor_plopper( "trailer_1_emerge", 2, plop_path, "figure-eight", 0.84, 50 )
    elseif t == 4384 then
actor_plopper( "beemspider_1", 3, plop_edge, 0, 0.56 )
    elseif t == 4795 then
actor_plopper( "robot_green", 5, plop_cluster, 32, 0.28, 50 )
actor_plopper( "beemspider_1", 3, plop_ring, 45, 0.56, -25 )
    elseif t > 4795 then
        c_no_more_beasties_to_come()
    end
end
