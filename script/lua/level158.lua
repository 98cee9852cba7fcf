-- level158.lua -- level 158: great crystals, patrolling walkers, mergeblobs, ninjoos,
-- trackflies and sliding walls.

cur_level_num = 158
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(7500, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.59 )
actor_plopper( "ninjoo_1", 3, plop_ring, 40, 0.37 )
    elseif t == 755 then
actor_plopper( "robot_green_path", 5, plop_path, "edge-path-back", 0.44, 50 )
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0, -25 )
    elseif t == 1210 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 32, 0.74 )
actor_plopper( "crystal_large", 1, plop_ring, 36, 0.59, -25 )
    elseif t == 1672 then
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.37 )
    elseif t == 2129 then
actor_plopper( "trackfly_1", 6, plop_edge, 0, 0.19, 50 )
    elseif t == 2668 then
actor_plopper( "wall_1_flat", 1, plop_line, 50, 0, -25 )
actor_plopper( "crystal_large", 1, plop_edge, 0, 0.59, 25 )
    elseif t == 3182 then
actor_plopper( "wall_1_flat", 1, plop_line, 50, 0, -25 )
actor_plopper( "crystal_large", 1, plop_edge, 0, 0.59, 25 )
    elseif t == 3714 then
actor_plopper( "robot_green_path", c_zrand_int(4, 7), plop_path, "edge-path-back", 0.44, -25 )
actor_plopper( "wall_1_flat", 2, plop_line, 60, 0, 25 )
    elseif t == 4196 then
actor_plopper( "crystal_large", 3, plop_edge, 0, 0.59 )
    elseif t == 4709 then
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0, -25 )
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.37 )
    elseif t == 5220 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 36, 0.74, 25 )
actor_plopper( "trackfly_1", 7, plop_edge, 0, 0.19, -25 )
    elseif t > 5220 then
        c_no_more_beasties_to_come()
    end
end
