-- level176.lua -- level 176: big weelees, sliding walls, trackflies, small weelees,
-- mergeblobs, split worms, big turrets and crystal storms.
-- Among its waves also beemspiders, droplet swarms, green walkers, spinners and stinging trackflies.

cur_level_num = 176
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
actor_plopper( "weelee_big", 2, plop_ring, 40, 0.66 )
actor_plopper( "crystal_medium", 5, plop_ring, 45, 0.26, 25 )
    elseif t == 587 then
actor_plopper( "mergeblob_1_spawn", 10, plop_cluster, 32, 0.07 )
actor_plopper( "wall_1_flat", 2, plop_line, 50, 0 )
actor_plopper( "worm_chain_split", 2, plop_edge, 0, 0.53, 25 )
    elseif t == 961 then
actor_plopper( "trackfly_1", 7, plop_edge, 0, 0.16, -25 )
actor_plopper( "weelee_small", 5, plop_edge, 0, 0.2, 50 )
    elseif t == 1284 then
actor_plopper( "beemspider_1", 3, plop_edge, 0, 0.53 )
actor_plopper( "weelee_small", 9, plop_edge, 0, 0.2, 50 )
    elseif t == 1633 then
actor_plopper( "weelee_small", 6, plop_edge, 0, 0.2 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 40, 0.66 )
actor_plopper( "turret_bigemerge", 2, plop_cluster, 26, 0.33 )
    elseif t == 1968 then
actor_plopper( "trackfly_2", 5, plop_edge, 0, 0.2 )
actor_plopper( "worm_chain_split", c_zrand_int(3, 6), plop_ring, 40, 0.53, 25 )
    elseif t == 2290 then
actor_plopper( "turret_bigemerge", 2, plop_ring, 40, 0.33 )
actor_plopper( "wall_1_flat", 2, plop_line, 60, 0 )
    elseif t == 2650 then
actor_plopper( "robot_green", 7, plop_edge, 0, 0.27 )
actor_plopper( "spinner_1", 6, plop_ring, 40, 0.2 )
actor_plopper( "crystal_medium", 4, plop_ring, 45, 0.26, 25 )
actor_plopper( "trackfly_1", 7, plop_cluster, 26, 0.16, -25 )
    elseif t == 3033 then
actor_plopper( "turret_bigemerge", 2, plop_cluster, 32, 0.33, 50 )
actor_plopper( "trackfly_1", c_zrand_int(6, 9), plop_cluster, 20, 0.16 )
    elseif t == 3356 then
actor_plopper( "trackfly_1", 7, plop_edge, 0, 0.16 )
actor_plopper( "turret_bigemerge", 3, plop_cluster, 20, 0.33, -25 )
    elseif t == 3679 then
actor_plopper( "trackfly_1", 7, plop_edge, 0, 0.16 )
actor_plopper( "wall_1_flat", c_zrand_int(2, 5), plop_line, 60, 0, 25 )
    elseif t == 4005 then
actor_plopper( "weelee_small", c_zrand_int(4, 7), plop_edge, 0, 0.2 )
actor_plopper( "trackfly_1", 7, plop_cluster, 20, 0.16 )
    elseif t == 4384 then
actor_plopper( "wall_1_flat", 3, plop_line, 60, 0 )
actor_plopper( "weelee_big", 2, plop_edge, 0, 0.66 )
    elseif t > 4384 then
        c_no_more_beasties_to_come()
    end
end
