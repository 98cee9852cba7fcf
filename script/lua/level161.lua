-- level161.lua -- level 161: red blockers, ninjoos, mergeblobs, sliding walls, droplet
-- swarms, small turrets and great crystals.

cur_level_num = 161
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
actor_plopper( "blocker_red", 4, plop_line, 50, 0.58 )
    elseif t == 648 then
actor_plopper( "ninjoo_1", 3, plop_ring, 30, 0.36, 50 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_cluster, 38, 0.73, -25 )
    elseif t == 1126 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 36, 0.73 )
actor_plopper( "mergeblob_1_spawn", 9, plop_cluster, 26, 0.07 )
    elseif t == 1637 then
actor_plopper( "wall_1_flat", 2, plop_line, 60, 0, 25 )
actor_plopper( "turret_smallemerge", 4, plop_cluster, 26, 0.22, 25 )
    elseif t == 2071 then
actor_plopper( "mergeblob_1_spawn", 8, plop_edge, 0, 0.07, -25 )
actor_plopper( "ninjoo_1", 3, plop_ring, 30, 0.36, 25 )
    elseif t == 2526 then
actor_plopper( "turret_smallemerge", 6, plop_cluster, 20, 0.22 )
    elseif t == 2958 then
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.58 )
actor_plopper( "ninjoo_1", c_zrand_int(2, 5), plop_edge, 0, 0.36 )
    elseif t == 3463 then
actor_plopper( "wall_1_flat", 2, plop_line, 70, 0, 50 )
actor_plopper( "ninjoo_1", 3, plop_ring, 40, 0.36 )
    elseif t == 3905 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 40, 0.73, -25 )
actor_plopper( "ninjoo_1", 2, plop_ring, 45, 0.36, 50 )
    elseif t == 4416 then
actor_plopper( "ninjoo_1", 2, plop_ring, 45, 0.36, -25 )
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.58, 50 )
    elseif t == 4930 then
actor_plopper( "mergeblob_1_spawn", 13, plop_cluster, 20, 0.07 )
    elseif t > 4930 then
        c_no_more_beasties_to_come()
    end
end
