-- level184.lua -- level 184: sliding walls, split worms, big weelees, beemspiders, great
-- crystals, weblobs, green walkers and trailers.
-- Among its waves also ninjoos, spinners, trackflies and small turrets.

cur_level_num = 184
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", 0, 83)

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
actor_plopper( "wall_1_flat", c_zrand_int(4, 7), plop_line, 70, 0, -25 )
    elseif t == 493 then
actor_plopper( "worm_chain_split", c_zrand_int(2, 5), plop_ring, 30, 0.5, 50 )
actor_plopper( "wall_1_flat", 3, plop_line, 50, 0, -25 )
    elseif t == 758 then
actor_plopper( "weelee_big", 2, plop_ring, 36, 0.62, 50 )
actor_plopper( "beemspider_1", 3, plop_ring, 45, 0.5, 50 )
    elseif t == 1021 then
actor_plopper( "beemspider_1", 6, plop_edge, 0, 0.5, 50 )
    elseif t == 1295 then
actor_plopper( "turret_smallemerge", 4, plop_cluster, 32, 0.19 )
actor_plopper( "crystal_large", 4, plop_ring, 30, 0.5, -25 )
    elseif t == 1583 then
actor_plopper( "weblob_tiny2", 10, plop_cluster, 38, 0.09 )
actor_plopper( "robot_green", 7, plop_cluster, 38, 0.25, 50 )
    elseif t == 1848 then
actor_plopper( "robot_green", 7, plop_ring, 40, 0.25, -25 )
actor_plopper( "weelee_big", 2, plop_ring, 45, 0.62 )
    elseif t == 2156 then
actor_plopper( "trailer_1_emerge", c_zrand_int(2, 5), plop_path, "level-path", 0.75 )
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.62, 25 )
    elseif t == 2429 then
actor_plopper( "spinner_1", 6, plop_ring, 40, 0.19 )
actor_plopper( "robot_green", 7, plop_cluster, 26, 0.25, 50 )
actor_plopper( "trailer_1_emerge", 3, plop_path, "edge-path", 0.75, -25 )
    elseif t == 2698 then
actor_plopper( "ninjoo_1", 4, plop_edge, 0, 0.32 )
actor_plopper( "worm_chain_split", 5, plop_edge, 0, 0.5 )
    elseif t == 3010 then
actor_plopper( "ninjoo_1", 3, plop_ring, 36, 0.32 )
actor_plopper( "robot_green", 9, plop_ring, 36, 0.25, -25 )
    elseif t == 3311 then
actor_plopper( "beemspider_1", 3, plop_ring, 30, 0.5, 25 )
actor_plopper( "robot_green", c_zrand_int(6, 9), plop_ring, 36, 0.25 )
    elseif t == 3593 then
actor_plopper( "trackfly_1", 8, plop_edge, 0, 0.16 )
actor_plopper( "weblob_tiny2", 15, plop_ring, 36, 0.09, -25 )
    elseif t == 3868 then
actor_plopper( "worm_chain_split", 5, plop_ring, 40, 0.5, 50 )
    elseif t > 3868 then
        c_no_more_beasties_to_come()
    end
end
