-- level160.lua -- level 160: weblobs, great crystals, split worms, big weelees, red
-- blockers and droplet swarms.
-- Among its waves also ninjoos, green walkers, spinners and trackflies.

cur_level_num = 160
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
actor_plopper( "weblob_tiny2", 9, plop_cluster, 38, 0.11 )
actor_plopper( "worm_chain_split", 2, plop_edge, 0, 0.59, 25 )
    elseif t == 715 then
actor_plopper( "ninjoo_1", 3, plop_edge, 0, 0.36 )
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.59 )
actor_plopper( "weelee_big", 2, plop_ring, 36, 0.73, 25 )
    elseif t == 1221 then
actor_plopper( "worm_chain_split", 2, plop_ring, 40, 0.59, 25 )
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.73 )
    elseif t == 1664 then
actor_plopper( "weelee_big", 2, plop_ring, 36, 0.73, -25 )
actor_plopper( "crystal_large", 2, plop_edge, 0, 0.59, -25 )
    elseif t == 2175 then
actor_plopper( "trackfly_1", 7, plop_edge, 0, 0.18 )
actor_plopper( "blocker_red", c_zrand_int(3, 6), plop_line, 70, 0.59, -25 )
    elseif t == 2608 then
actor_plopper( "spinner_1", 6, plop_ring, 40, 0.22 )
actor_plopper( "mergeblob_1_spawn", 8, plop_cluster, 26, 0.07, 25 )
actor_plopper( "blocker_red", 2, plop_line, 70, 0.59, -25 )
    elseif t == 3130 then
actor_plopper( "ninjoo_1", 3, plop_ring, 36, 0.36 )
actor_plopper( "crystal_large", 2, plop_ring, 30, 0.59 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.59, -25 )
    elseif t == 3579 then
actor_plopper( "robot_green", 6, plop_edge, 0, 0.29 )
actor_plopper( "blocker_red", 2, plop_line, 50, 0.59, -25 )
actor_plopper( "weelee_big", 2, plop_ring, 45, 0.73 )
    elseif t == 4035 then
actor_plopper( "trackfly_1", 6, plop_edge, 0, 0.18 )
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.73, 25 )
actor_plopper( "blocker_red", 2, plop_edge, 0, 0.59, -25 )
    elseif t == 4533 then
actor_plopper( "weblob_tiny2", 8, plop_cluster, 32, 0.11, -25 )
actor_plopper( "worm_chain_split", 2, plop_edge, 0, 0.59, 25 )
    elseif t == 4966 then
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.73, 25 )
actor_plopper( "mergeblob_1_spawn", c_zrand_int(8, 11), plop_cluster, 26, 0.07 )
    elseif t > 4966 then
        c_no_more_beasties_to_come()
    end
end
