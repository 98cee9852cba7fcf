-- level145.lua -- level 145: crystal storms, big turrets, weblobs, mergeblobs and stinging
-- trackflies.

cur_level_num = 145
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
actor_plopper( "crystal_medium", 6, plop_ring, 45, 0.32, 25 )
    elseif t == 768 then
actor_plopper( "turret_bigemerge", 2, plop_ring, 45, 0.4, 25 )
    elseif t == 1367 then
actor_plopper( "weblob_tiny2", 10, plop_ring, 40, 0.12, 25 )
    elseif t == 1949 then
actor_plopper( "mergeblob_1_big_emerge", 1, plop_cluster, 20, 0.8 )
actor_plopper( "trackfly_2", c_zrand_int(3, 6), plop_edge, 0, 0.24, -25 )
    elseif t == 2553 then
actor_plopper( "trackfly_2", 6, plop_cluster, 20, 0.24 )
    elseif t == 3097 then
actor_plopper( "weblob_tiny2", 7, plop_cluster, 32, 0.12, -25 )
actor_plopper( "turret_bigemerge", 1, plop_ring, 40, 0.4 )
    elseif t == 3682 then
actor_plopper( "crystal_medium", 6, plop_edge, 0, 0.32, -25 )
    elseif t == 4242 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 30, 0.8 )
    elseif t == 4840 then
actor_plopper( "trackfly_2", 6, plop_edge, 0, 0.24, 50 )
    elseif t > 4840 then
        c_no_more_beasties_to_come()
    end
end
