-- level181.lua -- level 181: weblobs, mergeblobs, crystal storms, droplet swarms, stinging
-- trackflies, split worms, sliding walls and beemspiders.
-- Among its waves also ninjoos and small turrets.

cur_level_num = 181
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
actor_plopper( "weblob_tiny2", 10, plop_ring, 40, 0.1, 50 )
actor_plopper( "wall_1_flat", 3, plop_line, 60, 0, 50 )
    elseif t == 513 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 38, 0.64 )
actor_plopper( "worm_chain_split", c_zrand_int(2, 5), plop_ring, 45, 0.51 )
    elseif t == 846 then
actor_plopper( "turret_smallemerge", 4, plop_cluster, 32, 0.19 )
actor_plopper( "crystal_medium", 8, plop_edge, 0, 0.25 )
    elseif t == 1152 then
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.32 )
actor_plopper( "mergeblob_1_spawn", 11, plop_edge, 0, 0.06, -25 )
actor_plopper( "crystal_medium", 5, plop_ring, 30, 0.25, 25 )
    elseif t == 1442 then
actor_plopper( "trackfly_2", 5, plop_cluster, 38, 0.19, 25 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 40, 0.64, -25 )
    elseif t == 1777 then
actor_plopper( "worm_chain_split", 3, plop_edge, 0, 0.51 )
actor_plopper( "crystal_medium", c_zrand_int(3, 6), plop_edge, 0, 0.25, 25 )
    elseif t == 2057 then
actor_plopper( "turret_smallemerge", 4, plop_ring, 40, 0.19 )
actor_plopper( "wall_1_flat", 3, plop_line, 70, 0, 25 )
actor_plopper( "mergeblob_1_spawn", 11, plop_cluster, 26, 0.06, 25 )
    elseif t == 2364 then
actor_plopper( "beemspider_1", 4, plop_ring, 36, 0.51, 50 )
actor_plopper( "mergeblob_1_spawn", 9, plop_edge, 0, 0.06 )
    elseif t == 2673 then
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.32 )
actor_plopper( "worm_chain_split", 5, plop_ring, 36, 0.51, 50 )
    elseif t == 3005 then
actor_plopper( "mergeblob_1_spawn", 11, plop_cluster, 20, 0.06 )
actor_plopper( "beemspider_1", c_zrand_int(3, 6), plop_edge, 0, 0.51, 25 )
    elseif t == 3321 then
actor_plopper( "crystal_medium", c_zrand_int(4, 7), plop_ring, 40, 0.25 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 36, 0.64 )
    elseif t == 3653 then
actor_plopper( "ninjoo_1", 3, plop_ring, 40, 0.32 )
actor_plopper( "weblob_tiny2", 10, plop_ring, 45, 0.1 )
actor_plopper( "wall_1_flat", 3, plop_line, 70, 0 )
    elseif t == 3943 then
actor_plopper( "wall_1_flat", 3, plop_line, 50, 0, 25 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 20, 0.64, 50 )
    elseif t == 4271 then
actor_plopper( "crystal_medium", 4, plop_ring, 40, 0.25, -25 )
actor_plopper( "weblob_tiny2", c_zrand_int(9, 12), plop_ring, 30, 0.1 )
    elseif t > 4271 then
        c_no_more_beasties_to_come()
    end
end
