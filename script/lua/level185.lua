-- level185.lua -- level 185: small turrets, trailers, split worms, weblobs, red blockers,
-- crystal storms, great crystals and pathfly swarms.
-- Among its waves also ninjoos.

cur_level_num = 185
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", -1, 60)

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
actor_plopper( "turret_smallemerge", c_zrand_int(4, 7), plop_cluster, 20, 0.19 )
actor_plopper( "weblob_tiny2", c_zrand_int(10, 13), plop_ring, 40, 0.09, 25 )
    elseif t == 495 then
actor_plopper( "trailer_1_emerge", 5, plop_path, "zigzag-path", 0.74 )
    elseif t == 785 then
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.32 )
actor_plopper( "worm_chain_split", 3, plop_edge, 0, 0.49, 25 )
actor_plopper( "crystal_medium", 5, plop_ring, 30, 0.25, 25 )
    elseif t == 1039 then
actor_plopper( "weblob_tiny2", 10, plop_cluster, 26, 0.09, -25 )
actor_plopper( "pathfly_tiny", 9, plop_path, "level-path", 0.15 )
    elseif t == 1289 then
actor_plopper( "blocker_red", 3, plop_line, 60, 0.49, -25 )
actor_plopper( "trailer_1_emerge", 3, plop_path, "figure-eight", 0.74, 25 )
    elseif t == 1545 then
actor_plopper( "turret_smallemerge", 4, plop_cluster, 26, 0.19 )
actor_plopper( "crystal_medium", 8, plop_edge, 0, 0.25, 25 )
    elseif t == 1805 then
actor_plopper( "crystal_large", 3, plop_ring, 40, 0.49 )
actor_plopper( "trailer_1_emerge", c_zrand_int(2, 5), plop_path, "square-path", 0.74 )
    elseif t == 2065 then
actor_plopper( "ninjoo_1", 4, plop_edge, 0, 0.32 )
actor_plopper( "pathfly_tiny", 15, plop_path, "inner-path", 0.15 )
    elseif t == 2337 then
actor_plopper( "crystal_large", c_zrand_int(2, 5), plop_edge, 0, 0.49 )
actor_plopper( "pathfly_tiny", 11, plop_path, "edge-path-back", 0.15, -25 )
    elseif t == 2640 then
actor_plopper( "trailer_1_emerge", 5, plop_path, "figure-eight", 0.74, -25 )
    elseif t == 2931 then
actor_plopper( "turret_smallemerge", 4, plop_ring, 40, 0.19 )
actor_plopper( "crystal_large", 5, plop_ring, 30, 0.49 )
    elseif t == 3229 then
actor_plopper( "ninjoo_1", 4, plop_ring, 40, 0.32 )
actor_plopper( "trailer_1_emerge", c_zrand_int(4, 7), plop_path, "zigzag-path", 0.74 )
    elseif t == 3488 then
actor_plopper( "worm_chain_split", 3, plop_ring, 30, 0.49, 25 )
actor_plopper( "crystal_large", 3, plop_edge, 0, 0.49 )
    elseif t == 3746 then
actor_plopper( "blocker_red", 3, plop_line, 70, 0.49 )
actor_plopper( "pathfly_tiny", 10, plop_path, "square-path", 0.15, 25 )
    elseif t > 3746 then
        c_no_more_beasties_to_come()
    end
end
