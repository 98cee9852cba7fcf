-- level166.lua -- level 166: small weelees, spinners, crystal storms, sliding walls,
-- mergeblobs, stinging trackflies and trailers.

cur_level_num = 166
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", 0, 77)

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
actor_plopper( "weelee_small", 5, plop_edge, 0, 0.21, 25 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 40, 0.7, 25 )
    elseif t == 625 then
actor_plopper( "spinner_1", 4, plop_edge, 0, 0.21 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 20, 0.7, 25 )
    elseif t == 1088 then
actor_plopper( "crystal_medium", 4, plop_edge, 0, 0.28 )
actor_plopper( "trailer_1_emerge", 2, plop_path, "level-path", 0.85, 25 )
    elseif t == 1491 then
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0, 50 )
actor_plopper( "weelee_small", c_zrand_int(3, 6), plop_cluster, 20, 0.21 )
    elseif t == 1892 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 30, 0.7 )
actor_plopper( "trackfly_2", c_zrand_int(3, 6), plop_edge, 0, 0.21, -25 )
    elseif t == 2295 then
actor_plopper( "trackfly_1", 6, plop_edge, 0, 0.18 )
actor_plopper( "trackfly_2", 7, plop_edge, 0, 0.21, -25 )
    elseif t == 2731 then
actor_plopper( "trailer_1_emerge", 2, plop_path, "figure-eight", 0.85 )
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0, -25 )
    elseif t == 3200 then
actor_plopper( "trailer_1_emerge", c_zrand_int(3, 6), plop_path, "figure-eight", 0.85, 50 )
    elseif t == 3617 then
actor_plopper( "trackfly_2", c_zrand_int(3, 6), plop_edge, 0, 0.21, 25 )
actor_plopper( "trailer_1_emerge", 2, plop_path, "edge-path", 0.85, -25 )
    elseif t == 4007 then
actor_plopper( "trackfly_2", 8, plop_cluster, 20, 0.21, 50 )
    elseif t == 4472 then
actor_plopper( "trailer_1_emerge", 2, plop_path, "level-path", 0.85 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 30, 0.7, -25 )
    elseif t == 4885 then
actor_plopper( "spinner_1", 4, plop_ring, 36, 0.21, 50 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 40, 0.7 )
    elseif t > 4885 then
        c_no_more_beasties_to_come()
    end
end
