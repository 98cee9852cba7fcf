-- level172.lua -- level 172: stinging trackflies, great crystals, weblobs, spinners, green
-- walkers, droplet swarms and small turrets.
-- Among its waves also beemspiders and small weelees.

cur_level_num = 172
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
actor_plopper( "trackfly_2", 8, plop_edge, 0, 0.2, 25 )
    elseif t == 623 then
actor_plopper( "mergeblob_1_spawn", 10, plop_edge, 0, 0.07 )
actor_plopper( "crystal_large", 3, plop_ring, 36, 0.54, -25 )
actor_plopper( "turret_smallemerge", 2, plop_cluster, 26, 0.2 )
    elseif t == 1033 then
actor_plopper( "weblob_tiny2", 9, plop_cluster, 32, 0.1, 25 )
actor_plopper( "turret_smallemerge", 2, plop_cluster, 20, 0.2 )
    elseif t == 1420 then
actor_plopper( "beemspider_1", 3, plop_edge, 0, 0.54 )
actor_plopper( "spinner_1", 7, plop_ring, 40, 0.2, -25 )
    elseif t == 1792 then
actor_plopper( "weelee_small", 6, plop_edge, 0, 0.2 )
actor_plopper( "robot_green", 5, plop_edge, 0, 0.27, 50 )
actor_plopper( "weblob_tiny2", c_zrand_int(8, 11), plop_ring, 45, 0.1 )
    elseif t == 2177 then
actor_plopper( "mergeblob_1_spawn", c_zrand_int(13, 16), plop_edge, 0, 0.07, 50 )
    elseif t == 2549 then
actor_plopper( "spinner_1", 6, plop_ring, 40, 0.2 )
actor_plopper( "turret_smallemerge", 6, plop_cluster, 32, 0.2, 50 )
    elseif t == 2904 then
actor_plopper( "robot_green", 7, plop_edge, 0, 0.27 )
actor_plopper( "trackfly_2", 5, plop_cluster, 26, 0.2 )
actor_plopper( "crystal_large", c_zrand_int(2, 5), plop_edge, 0, 0.54, 25 )
    elseif t == 3295 then
actor_plopper( "trackfly_2", 8, plop_cluster, 26, 0.2, -25 )
    elseif t == 3713 then
actor_plopper( "trackfly_2", c_zrand_int(7, 10), plop_cluster, 32, 0.2, 50 )
    elseif t == 4086 then
actor_plopper( "weblob_tiny2", c_zrand_int(8, 11), plop_ring, 45, 0.1 )
actor_plopper( "crystal_large", 3, plop_ring, 36, 0.54, 50 )
    elseif t == 4465 then
actor_plopper( "turret_smallemerge", 5, plop_ring, 45, 0.2, 25 )
    elseif t > 4465 then
        c_no_more_beasties_to_come()
    end
end
