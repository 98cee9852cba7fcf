-- level121.lua -- level 121: patrolling walkers, yellow robots, ninjoos and small turrets,
-- and first sight of weblobs.

cur_level_num = 121
dofilx("everything.lua")

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
actor_plopper( "weblob_tiny2", 8, plop_ring, 45, 0.14 )
    elseif t == 976 then
actor_plopper( "turret_smallemerge", 2, plop_cluster, 26, 0.27 )
actor_plopper( "robot_green_path", 6, plop_path, "edge-path-back", 0.55 )
    elseif t == 1745 then
actor_plopper( "robot_yellow", 3, plop_edge, 0, 0.36 )
actor_plopper( "robot_green_path", c_zrand_int(2, 5), plop_path, "edge-path", 0.55 )
    elseif t == 2511 then
actor_plopper( "ninjoo_1", 2, plop_ring, 36, 0.45 )
actor_plopper( "robot_green_path", 5, plop_path, "star-path", 0.55 )
    elseif t == 3367 then
actor_plopper( "ninjoo_1", 2, plop_edge, 0, 0.45 )
actor_plopper( "weblob_tiny2", 8, plop_cluster, 38, 0.14 )
    elseif t == 4152 then
actor_plopper( "weblob_tiny2", c_zrand_int(7, 10), plop_ring, 40, 0.14 )
    elseif t > 4152 then
        c_no_more_beasties_to_come()
    end
end
