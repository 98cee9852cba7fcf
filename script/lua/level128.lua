-- level128.lua -- level 128: mergeblobs, weblobs, small turrets and yellow robots.
-- Among its waves also trackflies.

cur_level_num = 128
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
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 30, 0.88 )
    elseif t == 987 then
actor_plopper( "weblob_tiny2", c_zrand_int(8, 11), plop_cluster, 26, 0.13 )
    elseif t == 1787 then
actor_plopper( "turret_smallemerge", 4, plop_ring, 45, 0.26 )
    elseif t == 2535 then
actor_plopper( "trackfly_1", 5, plop_edge, 0, 0.22 )
actor_plopper( "robot_yellow", 2, plop_cluster, 20, 0.35 )
actor_plopper( "turret_smallemerge", 3, plop_ring, 30, 0.26 )
    elseif t == 3260 then
actor_plopper( "turret_smallemerge", c_zrand_int(4, 7), plop_cluster, 26, 0.26 )
    elseif t == 4006 then
actor_plopper( "mergeblob_1_big_emerge", 2, plop_ring, 40, 0.88 )
    elseif t == 4803 then
actor_plopper( "turret_smallemerge", 4, plop_ring, 36, 0.26 )
    elseif t > 4803 then
        c_no_more_beasties_to_come()
    end
end
