-- level162.lua -- level 162: weblobs, red blockers, trackflies, spinners, small turrets,
-- ninjoos and droplet swarms.
-- Among its waves also green walkers and stinging trackflies.

cur_level_num = 162
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
actor_plopper( "weblob_tiny2", 13, plop_cluster, 26, 0.11 )
    elseif t == 725 then
actor_plopper( "blocker_red", 4, plop_edge, 0, 0.58, -25 )
    elseif t == 1155 then
actor_plopper( "trackfly_2", 4, plop_edge, 0, 0.22 )
actor_plopper( "trackfly_1", 6, plop_edge, 0, 0.18 )
actor_plopper( "weblob_tiny2", c_zrand_int(7, 10), plop_cluster, 20, 0.11, -25 )
    elseif t == 1595 then
actor_plopper( "spinner_1", 4, plop_edge, 0, 0.22, 25 )
actor_plopper( "weblob_tiny2", 8, plop_cluster, 38, 0.11, -25 )
    elseif t == 2084 then
actor_plopper( "turret_smallemerge", 6, plop_ring, 45, 0.22 )
    elseif t == 2584 then
actor_plopper( "ninjoo_1", 4, plop_edge, 0, 0.36 )
actor_plopper( "trackfly_1", 7, plop_edge, 0, 0.18, 50 )
    elseif t == 3010 then
actor_plopper( "mergeblob_1_spawn", 12, plop_cluster, 26, 0.07, 25 )
    elseif t == 3495 then
actor_plopper( "robot_green", 6, plop_edge, 0, 0.29 )
actor_plopper( "mergeblob_1_spawn", 9, plop_edge, 0, 0.07 )
actor_plopper( "spinner_1", 4, plop_ring, 45, 0.22 )
    elseif t == 3931 then
actor_plopper( "ninjoo_1", 4, plop_ring, 40, 0.36, 25 )
actor_plopper( "trackfly_1", 6, plop_edge, 0, 0.18, 50 )
    elseif t == 4394 then
actor_plopper( "spinner_1", 4, plop_edge, 0, 0.22, 25 )
actor_plopper( "mergeblob_1_spawn", c_zrand_int(7, 10), plop_cluster, 38, 0.07, 50 )
    elseif t == 4851 then
actor_plopper( "spinner_1", 4, plop_ring, 30, 0.22, 25 )
actor_plopper( "mergeblob_1_spawn", c_zrand_int(7, 10), plop_cluster, 32, 0.07 )
    elseif t > 4851 then
        c_no_more_beasties_to_come()
    end
end
