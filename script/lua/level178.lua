-- level178.lua -- level 178: weblobs, big weelees, small turrets, great crystals,
-- trailers, beemspiders, split worms and red blockers.
-- Among its waves also droplet swarms, spinners, trackflies and small weelees.

cur_level_num = 178
dofilx("everything.lua")

-- This level's own loop through the pylons.
c_add_a_path("level-path", 0, 71)

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
actor_plopper( "weblob_tiny2", 14, plop_cluster, 32, 0.1, 50 )
    elseif t == 559 then
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.65 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.52 )
    elseif t == 899 then
actor_plopper( "mergeblob_1_spawn", 10, plop_edge, 0, 0.07 )
actor_plopper( "turret_smallemerge", 5, plop_cluster, 32, 0.19 )
actor_plopper( "blocker_red", 3, plop_edge, 0, 0.52 )
    elseif t == 1239 then
actor_plopper( "crystal_large", c_zrand_int(2, 5), plop_edge, 0, 0.52 )
actor_plopper( "turret_smallemerge", 4, plop_ring, 45, 0.19, 50 )
    elseif t == 1541 then
actor_plopper( "weelee_small", 6, plop_edge, 0, 0.19 )
actor_plopper( "trailer_1_emerge", 3, plop_path, "level-path", 0.78 )
actor_plopper( "beemspider_1", 3, plop_ring, 36, 0.52, 50 )
    elseif t == 1872 then
actor_plopper( "beemspider_1", c_zrand_int(2, 5), plop_edge, 0, 0.52, 25 )
actor_plopper( "worm_chain_split", 3, plop_edge, 0, 0.52, -25 )
    elseif t == 2182 then
actor_plopper( "trackfly_1", 8, plop_edge, 0, 0.16 )
actor_plopper( "worm_chain_split", 5, plop_ring, 40, 0.52, 50 )
    elseif t == 2524 then
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.65 )
actor_plopper( "spinner_1", 6, plop_ring, 40, 0.2 )
actor_plopper( "blocker_red", 3, plop_line, 70, 0.52 )
actor_plopper( "crystal_large", 2, plop_ring, 36, 0.52 )
    elseif t == 2875 then
actor_plopper( "weblob_tiny2", c_zrand_int(9, 12), plop_cluster, 26, 0.1 )
actor_plopper( "turret_smallemerge", 3, plop_cluster, 38, 0.19, 50 )
    elseif t == 3189 then
actor_plopper( "weblob_tiny2", 9, plop_ring, 45, 0.1 )
actor_plopper( "beemspider_1", 4, plop_edge, 0, 0.52, 50 )
    elseif t == 3530 then
actor_plopper( "beemspider_1", 3, plop_edge, 0, 0.52, -25 )
actor_plopper( "blocker_red", 3, plop_line, 60, 0.52 )
    elseif t == 3856 then
actor_plopper( "weblob_tiny2", 15, plop_cluster, 38, 0.1 )
    elseif t == 4184 then
actor_plopper( "turret_smallemerge", 4, plop_cluster, 26, 0.19 )
    elseif t > 4184 then
        c_no_more_beasties_to_come()
    end
end
