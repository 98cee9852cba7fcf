-- level130.lua -- level 130: weblobs, mergeblobs, small weelees and stinging trackflies.
-- Among its waves also ninjoos.

cur_level_num = 130
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
actor_plopper( "weblob_tiny2", 9, plop_cluster, 38, 0.13 )
    elseif t == 901 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 45, 0.87 )
    elseif t == 1612 then
actor_plopper( "weelee_small", c_zrand_int(2, 5), plop_cluster, 20, 0.26 )
actor_plopper( "weblob_tiny2", c_zrand_int(5, 8), plop_cluster, 20, 0.13 )
    elseif t == 2390 then
actor_plopper( "trackfly_2", 3, plop_edge, 0, 0.26 )
actor_plopper( "weelee_small", c_zrand_int(2, 5), plop_edge, 0, 0.26 )
    elseif t == 3172 then
actor_plopper( "ninjoo_1", 2, plop_ring, 36, 0.45 )
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 36, 0.87 )
    elseif t == 3946 then
actor_plopper( "weelee_small", 5, plop_cluster, 38, 0.26 )
    elseif t == 4658 then
actor_plopper( "weelee_small", 5, plop_edge, 0, 0.26 )
    elseif t > 4658 then
        c_no_more_beasties_to_come()
    end
end
