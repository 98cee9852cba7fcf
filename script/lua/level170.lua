-- level170.lua -- level 170: trailers, big weelees, droplet swarms, crystal storms,
-- ninjoos, great crystals and pathfly swarms.

cur_level_num = 170
dofilx("everything.lua")

-- Calls of LEVEL_gameloop so far: one per tick, more while the arena is empty.
level_tick = 0

function LEVEL_start()
    c_set_time_limit(6500, cur_level_num)
    floor_chooser()
    pylon_chooser()
    player_start()
end

function LEVEL_gameloop()
    level_tick = level_tick + 1
    local t = level_tick
    if t == 220 then
actor_plopper( "trailer_1_emerge", 4, plop_path, "inner-path", 0.82, 25 )
    elseif t == 608 then
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.69, 25 )
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.55 )
    elseif t == 1013 then
actor_plopper( "mergeblob_1_spawn", 10, plop_edge, 0, 0.07, -25 )
actor_plopper( "trailer_1_emerge", 3, plop_path, "figure-eight", 0.82 )
    elseif t == 1375 then
actor_plopper( "crystal_medium", c_zrand_int(3, 6), plop_ring, 30, 0.27 )
actor_plopper( "ninjoo_1", c_zrand_int(2, 5), plop_edge, 0, 0.34 )
    elseif t == 1734 then
actor_plopper( "ninjoo_1", c_zrand_int(4, 7), plop_ring, 30, 0.34, -25 )
    elseif t == 2115 then
actor_plopper( "crystal_large", 4, plop_ring, 40, 0.55 )
    elseif t == 2552 then
actor_plopper( "pathfly_tiny", c_zrand_int(13, 16), plop_path, "edge-path-back", 0.17, 25 )
    elseif t == 2972 then
actor_plopper( "trailer_1_emerge", 2, plop_path, "figure-eight", 0.82, 50 )
actor_plopper( "mergeblob_1_spawn", 9, plop_cluster, 32, 0.07, 25 )
    elseif t == 3391 then
actor_plopper( "ninjoo_1", 5, plop_edge, 0, 0.34, -25 )
    elseif t == 3783 then
actor_plopper( "ninjoo_1", 6, plop_edge, 0, 0.34 )
    elseif t == 4175 then
actor_plopper( "crystal_large", 3, plop_ring, 40, 0.55, -25 )
actor_plopper( "crystal_medium", c_zrand_int(3, 6), plop_edge, 0, 0.27, 25 )
    elseif t == 4581 then
actor_plopper( "weelee_big", 2, plop_ring, 36, 0.69, -25 )
actor_plopper( "ninjoo_1", 3, plop_ring, 30, 0.34, 50 )
    elseif t > 4581 then
        c_no_more_beasties_to_come()
    end
end
